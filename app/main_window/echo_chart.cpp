#include "app/main_window/echo_chart.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QPointer>
#include <QTimer>
#include <QValueAxis>
#include <limits>

#include "widgets/fonts.h"

namespace tavro {
namespace {

const QString kTitle = QStringLiteral("TDR Echo Curve");
const QColor kSeriesColours[3] = {Qt::red, Qt::black, Qt::darkGreen};

// The chart's own title is centred; the title here stands at the right. The
// built-in title keeps its place in the layout (so the plot starts below
// it) but is drawn transparent, and this item shows the text right-aligned.
class RightAlignedTitle : public QObject {
 public:
  RightAlignedTitle(QChart* chart, const QFont& font)
      : QObject(chart), chart_(chart), item_(new QGraphicsSimpleTextItem(kTitle, chart)) {
    item_->setFont(font);
    item_->setBrush(Qt::black);
    connect(chart, &QChart::geometryChanged, this, &RightAlignedTitle::Place);
    connect(chart, &QChart::plotAreaChanged, this, &RightAlignedTitle::Place);
    Place();
  }

 private:
  void Place() {
    const QRectF plot = chart_->plotArea();
    const QRectF text = item_->boundingRect();
    const qreal top = chart_->margins().top();
    item_->setPos(plot.right() - text.width(), top);
  }

  QChart* chart_;
  QGraphicsSimpleTextItem* item_;
};

// The axes follow the data of the three curves; the rectangle outlines sit
// inside that range and do not stretch it.
class AutoScale : public QObject {
 public:
  AutoScale(QChart* chart, std::array<QLineSeries*, 3> curves, QValueAxis* x, QValueAxis* y)
      : QObject(chart), curves_(curves), x_(x), y_(y) {
    for (QLineSeries* curve : curves_) {
      connect(curve, &QXYSeries::pointsReplaced, this, &AutoScale::Schedule);
      connect(curve, &QXYSeries::pointAdded, this, &AutoScale::Schedule);
      connect(curve, &QXYSeries::pointsRemoved, this, &AutoScale::Schedule);
      connect(curve, &QXYSeries::pointReplaced, this, &AutoScale::Schedule);
    }
  }

 private:
  // Many points arrive one by one; the range is computed once per batch.
  void Schedule() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
      pending_ = false;
      Rescale();
    });
  }

  void Rescale() {
    qreal minX = std::numeric_limits<qreal>::max(), maxX = std::numeric_limits<qreal>::lowest();
    qreal minY = minX, maxY = maxX;
    bool any = false;
    for (const QLineSeries* curve : curves_) {
      for (const QPointF& p : curve->points()) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
        any = true;
      }
    }
    if (!any) return;
    if (maxX == minX) maxX = minX + 1;
    if (maxY == minY) maxY = minY + 1;
    x_->setRange(minX, maxX);
    y_->setRange(minY, maxY);
  }

  std::array<QLineSeries*, 3> curves_;
  QValueAxis* x_;
  QValueAxis* y_;
  bool pending_ = false;
};

}  // namespace

void BuildEchoChart(WindowBuild& build) {
  QWidget* body = build.HostWidget(Host::kBody2);
  auto* chart = new QChart();
  chart->setBackgroundBrush(Qt::white);
  chart->setBackgroundRoundness(0);
  chart->legend()->hide();
  const QFont titleFont = SizedFont(body->window()->font(), 12, true);
  chart->setTitleFont(titleFont);
  chart->setTitle(kTitle);
  chart->setTitleBrush(Qt::transparent);

  auto* view = new QChartView(chart, body);
  view->setGeometry(5, 5, 696, 457);
  view->setFrameShape(QFrame::NoFrame);
  view->setRenderHint(QPainter::Antialiasing, false);

  auto* x = new QValueAxis(chart);
  auto* y = new QValueAxis(chart);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  for (size_t i = 0; i < build.echo_series.size(); ++i) {
    auto* series = new QLineSeries(chart);
    chart->addSeries(series);  // the chart's theme dresses it; our colours come after
    series->setColor(kSeriesColours[i]);
    series->setPointsVisible(true);
    series->setMarkerSize(1);
    series->attachAxis(x);
    series->attachAxis(y);
    build.echo_series[i] = series;
  }
  QPen outline(Qt::red);
  outline.setWidth(3);
  for (QLineSeries*& mark : build.echo_marks) {
    mark = new QLineSeries(chart);
    chart->addSeries(mark);
    mark->setPen(outline);
    mark->attachAxis(x);
    mark->attachAxis(y);
  }
  new AutoScale(chart, build.echo_series, x, y);
  new RightAlignedTitle(chart, titleFont);

  build.echo_chart_view = view;
  build.echo_chart = chart;
}

}  // namespace tavro
