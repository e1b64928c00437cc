// The window as built: a sample of every page's controls with label, unit,
// start text, place, parent and Tag; the layouts' visibility; the frame.
#include <QChart>
#include <QCoreApplication>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <optional>

#include "app/main_window/tform1.h"
#include "tests/app/app_fixture.h"
#include "widgets/main_window_handles.h"
#include "widgets/tag.h"

namespace tavro::test {
namespace {

enum class In { kBoth, kNormal, kEngineering };

bool Applies(In layout, bool engineering) {
  return layout == In::kBoth || (layout == In::kEngineering) == engineering;
}

struct FieldCase {
  int k;
  In layout;
  Host host;
  int top, left, gap;
  const char* label;
  const char* unit;
  const char* text;
};

const FieldCase kFieldCases[] = {
    {0, In::kBoth, Host::kGroupBox0, 28, 5, 155, "Display", "", ""},
    {12, In::kBoth, Host::kGroupBox0, 109, 235, 5, "", "mA", ""},
    {17, In::kBoth, Host::kGroupBox0, 244, 235, 5, "", "", ""},
    {21, In::kBoth, Host::kGroupBox2, 109, 5, 155, "ADC End Peak", "", ""},
    {25, In::kBoth, Host::kGroupBox2, 109, 235, 5, "", "", ""},
    {27, In::kBoth, Host::kGroupBox1, 45, 5, 152, "Temperature", "℃", ""},
    {31, In::kBoth, Host::kGroupBox1, 145, 5, 152, "22Hz Delta", "", ""},
    {32, In::kNormal, Host::kGroupBox3, 15, 20, 180, "Modbus ID", "", ""},
    {45, In::kNormal, Host::kGroupBox3, 145, 20, 180, "Distance offset 1", "mm", ""},
    {36, In::kNormal, Host::kGroupBox3, 422, 20, 180, "trigger level", "", ""},
    {35, In::kNormal, Host::kBody3, 1051, 20, 180, "Probe Length", "", ""},
    {40, In::kNormal, Host::kBody3, 211, 20, 180, "Span Value", "", ""},
    {52, In::kNormal, Host::kBody3, 211, 20, 180, "Window Lock Time", "0.5s", ""},
    {32, In::kEngineering, Host::kBody3, 15, 20, 180, "Modbus ID", "", ""},
    {34, In::kEngineering, Host::kBody3, 99, 20, 180, "Min Level", "mm", ""},
    {36, In::kEngineering, Host::kBody3, 15, 370, 180, "trigger level", "", ""},
    {52, In::kEngineering, Host::kBody3, 463, 370, 180, "Window Lock Time", "0.5s", ""},
    {53, In::kBoth, Host::kBody1, 30, 300, 90, "Motor Offset", "mm", "225"},
    {54, In::kBoth, Host::kBody1, 30, 10, 130, "Probe Length", "mm", ""},
    {57, In::kBoth, Host::kBody1, 105, 10, 130, "Delay Time", "ms", "10000"},
    {58, In::kBoth, Host::kBody1, 130, 10, 130, "Move To", "mm", "0"},
    {59, In::kBoth, Host::kBody1, 155, 0, 5, "", "", ""},
    {61, In::kBoth, Host::kBody1, 157, 185, 55, "Interval", "mm", ""},
    {62, In::kBoth, Host::kBody1, 157, 315, 20, "DT", "ms", ""},
    {63, In::kBoth, Host::kBody1, 205, 10, 80, "Accuracy", "", "0.002"},
    {66, In::kBoth, Host::kBody1, 260, 470, 95, "Tolerance", "mm", ""},
    {68, In::kBoth, Host::kBody1, 290, 240, 95, "Delay Time", "ms", ""},
    {72, In::kBoth, Host::kBody1, 390, 10, 85, "檢驗日期", "", ""},
    {75, In::kBoth, Host::kBody1, 390, 245, 85, "客戶名稱", "", ""},
    {78, In::kBoth, Host::kBody2, 545, 10, 85, "(3)Start Addr", "", "2000"},
    {80, In::kBoth, Host::kBody2, 510, 180, 85, "Data Length", "", "4000"},
    {84, In::kBoth, Host::kEchoChart, 10, 220, 30, "2nd", "", ""},
};

struct ChoiceCase {
  int k;
  In layout;
  Host host;
  int top, left, gap;
  const char* label;
  int items;
  const char* lastItem;
  int selected;
};

const ChoiceCase kChoiceCases[] = {
    {0, In::kNormal, Host::kGroupBox3, 42, 20, 180, "Modbus Baudrate", 7, "57600", -1},
    {14, In::kNormal, Host::kGroupBox3, 397, 20, 180, "Function Select", 8,
     "baseline Devivtive data", -1},
    {13, In::kNormal, Host::kBody3, 129, 20, 180, "Background AutoSave", 2, "Manual save", -1},
    {0, In::kEngineering, Host::kBody3, 45, 20, 180, "Modbus Baudrate", 7, "57600", -1},
    {14, In::kEngineering, Host::kBody3, 523, 20, 180, "Function Select", 8,
     "baseline Devivtive data", -1},
    {10, In::kBoth, Host::kBody3, 0, 0, 0, "Application", 4, "interf. Bypass", -1},
    {11, In::kBoth, Host::kBody3, 0, 0, 0, "Dielectric Const.", 3, "Water-based/>10", -1},
    {15, In::kBoth, Host::kBody1, 30, 1100, 80, "Table Type", 3, "2m", -1},
    {16, In::kBoth, Host::kBody1, 30, 500, 80, "Motor Port", 15, "COM15", 0},
    {17, In::kBoth, Host::kBody1, 206, 190, 100, "Output Select", 2, "Output 2", -1},
    {18, In::kBoth, Host::kBody1, 206, 410, 50, "HP Port", 15, "COM15", 0},
    {19, In::kBoth, Host::kBody2, 543, 575, 25, "TM", 5, "60 min", -1},
};

struct ButtonCase {
  int k;
  Host host;
  int top, left;
  const char* caption;
  bool enabled;
};

const ButtonCase kButtonCases[] = {
    {0, Host::kBody1, 70, 300, "Initial", false},
    {2, Host::kBody1, 70, 570, "Connect", true},
    {5, Host::kBody1, 107, 570, "Calibration", false},
    {8, Host::kBody1, 155, 600, "Auto", true},
    {11, Host::kBody1, 342, 577, "懶人按鈕", true},
    {12, Host::kBody1, 377, 475, "產品日期及序號寫入", true},
    {17, Host::kBody2, 540, 355, "Get ADC", true},
    {18, Host::kBody2, 540, 470, "Original", true},
    {20, Host::kBody2, 505, 575, "Monitor", true},
    {22, Host::kBody3, 530, 400, "Research", true},
};

class LayoutTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LayoutTest, FieldsStandWhereTheTablesSay) {
  const bool engineering = GetParam();
  Build(engineering);
  for (const FieldCase& c : kFieldCases) {
    if (!Applies(c.layout, engineering)) continue;
    SCOPED_TRACE(testing::Message() << "field " << c.k);
    vx_edit& field = Field(c.k);
    EXPECT_EQ(field.label->parentWidget(), form->build()->HostWidget(c.host));
    EXPECT_EQ(field.label->pos(), QPoint(c.left, c.top));
    EXPECT_EQ(field.frame_pictures[0]->x(), c.left + c.gap);
    EXPECT_EQ(field.label->text(), QString::fromUtf8(c.label));
    EXPECT_EQ(field.unit_label->text(), QString::fromUtf8(c.unit));
    EXPECT_EQ(field.text(), QString::fromUtf8(c.text));
    EXPECT_EQ(Tag(field.edit), c.k);
  }
}

TEST_P(LayoutTest, ChoicesStandWhereTheTablesSay) {
  const bool engineering = GetParam();
  Build(engineering);
  for (const ChoiceCase& c : kChoiceCases) {
    if (!Applies(c.layout, engineering)) continue;
    SCOPED_TRACE(testing::Message() << "choice " << c.k);
    vx_combobox& choice = Choice(c.k);
    if (c.top != 0 || c.left != 0) {
      EXPECT_EQ(choice.label->parentWidget(), form->build()->HostWidget(c.host));
      EXPECT_EQ(choice.label->pos(), QPoint(c.left, c.top));
      EXPECT_EQ(choice.frame_pictures[0]->x(), c.left + c.gap);
    }
    EXPECT_EQ(choice.label->text(), QString::fromUtf8(c.label));
    EXPECT_EQ(choice.combo->count(), c.items);
    EXPECT_EQ(choice.combo->itemText(c.items - 1), QString::fromUtf8(c.lastItem));
    EXPECT_EQ(choice.combo->currentIndex(), c.selected);
    EXPECT_EQ(Tag(choice.combo), c.k);
  }
}

TEST_P(LayoutTest, ButtonsStandWhereTheTablesSay) {
  Build(GetParam());
  for (const ButtonCase& c : kButtonCases) {
    SCOPED_TRACE(testing::Message() << "button " << c.k);
    vx_ellipse_button& button = Button(c.k);
    EXPECT_EQ(button.caption->parentWidget(), form->build()->HostWidget(c.host));
    EXPECT_EQ(button.caption->pos(), QPoint(c.left, c.top));
    EXPECT_EQ(button.caption->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(button.caption->isEnabled(), c.enabled);
    EXPECT_EQ(Tag(button.caption), c.k);
  }
}

TEST_P(LayoutTest, EveryNumberedControlCarriesItsTag) {
  Build(GetParam());
  for (int k = 0; k < kFieldCount; ++k) EXPECT_EQ(Tag(Field(k).edit), k);
  for (int k = 0; k < kChoiceCount; ++k) EXPECT_EQ(Tag(Choice(k).combo), k);
  for (int k = 0; k < kButtonCount; ++k) EXPECT_EQ(Tag(Button(k).caption), k);
  for (int k : {0, 1, 3, 4, 5}) EXPECT_FALSE(Button(k).caption->isEnabled()) << k;
}

TEST_P(LayoutTest, OnlyTheLayoutsElementsAreVisible) {
  const bool engineering = GetParam();
  Build(engineering);
  const WindowBuild& build = *form->build();
  EXPECT_TRUE(build.group_boxes[0]->isVisible());
  EXPECT_EQ(build.group_boxes[1]->isVisible(), engineering);
  EXPECT_EQ(build.group_boxes[2]->isVisible(), engineering);
  EXPECT_EQ(build.group_boxes[3]->isVisible(), !engineering);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(build.pictures[k]->isVisible(), engineering) << k;
  EXPECT_TRUE(build.pictures[3]->isVisible());
  for (BarGauge* gauge : build.gauges) EXPECT_EQ(gauge->isVisible(), engineering);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(build.captions[k]->isVisible(), engineering) << k;
  for (int tab = 0; tab < 4; ++tab) {
    const bool offered = tab < 2 || engineering;
    EXPECT_EQ(build.main_page->tab_captions[tab]->isVisible(), offered) << tab;
    EXPECT_EQ(build.main_page->pictures[tab]->isVisible(), offered) << tab;
  }
  // The normal layout's device parameters sit in "Settnig Group" on the
  // first page; the rest stays on the Setting page that nobody can open.
  EXPECT_EQ(Field(32).edit->isVisible(), !engineering);
  EXPECT_EQ(Choice(5).combo->parentWidget(), build.main_page->bodies[3]);
  EXPECT_FALSE(Choice(5).combo->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, LayoutTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Engineering" : "Normal"; });

TEST_F(MainWindowTest, ParameterPageGroupBoxesPicturesAndCaptions) {
  Build(true);
  const WindowBuild& build = *form->build();
  const QRect boxes[4] = {{5, 4, 340, 273}, {5, 281, 340, 175}, {360, 4, 340, 145}, {360, 4, 340, 460}};
  const char* titles[4] = {"Output 1_2", "Data Monitor", "ADC Data", "Settnig Group"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(build.group_boxes[k]->geometry(), boxes[k]) << k;
    EXPECT_EQ(build.group_boxes[k]->title(), QString::fromLatin1(titles[k]));
  }
  const QLabel* scale1 = build.pictures[1];
  const QLabel* tank = build.pictures[0];
  EXPECT_EQ(scale1->pos(), QPoint(355, 160));
  EXPECT_EQ(tank->pos(), QPoint(scale1->x() + scale1->width() - 20, 130));
  EXPECT_EQ(build.pictures[2]->pos(), QPoint(tank->x() + tank->width() - 30, 160));
  const QWidget* body0 = build.main_page->bodies[0];
  EXPECT_EQ(build.pictures[3]->y() + build.pictures[3]->height() + 2, body0->height());
  EXPECT_EQ(build.gauges[0]->geometry(), QRect(386, 169, 28, 231));
  EXPECT_EQ(build.gauges[1]->geometry(), QRect(657, 169, 28, 231));

  EXPECT_EQ(build.captions[0]->text(), QStringLiteral("Ver 0.0.60 (2019/06/11 18:00:00)"));
  EXPECT_EQ(build.captions[0]->pos(), QPoint(10, 560));
  EXPECT_EQ(build.captions[2]->pos(), QPoint(365, scale1->y() + scale1->height()));
  const QLabel* output1 = build.captions[2];
  EXPECT_EQ(build.captions[1]->pos(), QPoint(output1->x() + output1->width() + 80, output1->y()));
  EXPECT_EQ(build.captions[3]->x(), build.captions[1]->x() + build.captions[1]->width() + 95);
  EXPECT_EQ(build.captions[10]->text(), QStringLiteral("Postion"));
  EXPECT_EQ(build.captions[10]->parentWidget(), build.group_boxes[2]);
  EXPECT_EQ(build.captions[10]->pos(), QPoint(175, 10));
  EXPECT_EQ(build.captions[7]->text(), QStringLiteral("Excel Setting"));
  EXPECT_EQ(build.captions[7]->pos(), QPoint(10, 315));
}

TEST_F(MainWindowTest, FrameStripTimersAndChart) {
  Build();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("TAVRO"));
  EXPECT_EQ(form->size(), QSize(TForm1::kWidth, TForm1::kHeight));
  const MainWindowHandles& window = MainWindow();
  EXPECT_EQ(window.id_field->text(), QStringLiteral("1"));
  EXPECT_EQ(window.baud_box->currentText(), QStringLiteral("9600"));
  EXPECT_EQ(window.port_box->currentText(), QStringLiteral("COM1"));
  EXPECT_EQ(window.baud_box->count(), 8);
  EXPECT_EQ(window.port_box->count(), 99);

  const std::pair<QTimer*, int> timers[] = {{&form->Timer1, 500}, {&form->Timer2, 500},
                                            {&form->Timer3, 1000}, {&form->Timer4, 1000},
                                            {&form->Timer5, 1000}};
  for (const auto& [timer, interval] : timers) {
    EXPECT_EQ(timer->interval(), interval);
    EXPECT_FALSE(timer->isActive());
  }

  const WindowBuild& build = *form->build();
  EXPECT_EQ(build.main_page->bodies[0]->parentWidget(), form.get());
  EXPECT_EQ(build.echo_chart_view->parentWidget(), build.main_page->bodies[2]);
  EXPECT_EQ(build.echo_chart_view->geometry(), QRect(5, 5, 696, 457));
  QChart* chart = window.echo_chart;
  EXPECT_EQ(chart->title(), QStringLiteral("TDR Echo Curve"));
  EXPECT_TRUE(chart->titleFont().bold());
  EXPECT_FALSE(chart->legend()->isVisible());
  const QColor colours[3] = {Qt::red, Qt::black, Qt::darkGreen};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(window.echo_series[i]->color(), colours[i]);
    EXPECT_TRUE(window.echo_series[i]->pointsVisible());
    EXPECT_EQ(window.echo_series[i]->markerSize(), 1);
  }
  for (QLineSeries* mark : window.echo_marks) {
    EXPECT_EQ(mark->pen().color(), QColor(Qt::red));
    EXPECT_EQ(mark->pen().width(), 3);
    EXPECT_EQ(mark->count(), 0);
  }
  EXPECT_EQ(Field(82).label->parentWidget(), build.echo_chart_view);
}

TEST_F(MainWindowTest, LeftAxisFollowsTheCurves) {
  Build(true);
  QLineSeries* curve = MainWindow().echo_series[1];
  curve->append(0, -50);
  curve->append(4000, 1200);
  QCoreApplication::processEvents();
  const auto axes = MainWindow().echo_chart->axes(Qt::Vertical);
  ASSERT_EQ(axes.size(), 1);
  const auto* left = static_cast<QValueAxis*>(axes.first());
  EXPECT_LE(left->min(), -50);
  EXPECT_GE(left->max(), 1200);
}

}  // namespace
}  // namespace tavro::test
