#include "app/main_window/parameter_page.h"

#include "app/tables/caption_texts.h"
#include "app/tables/field_texts.h"
#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/skin_group_box.h"

namespace tavro {
namespace {

// The window system's hot-track colour, which the link-like captions use.
const QColor kHotTrack(0, 102, 204);
const QColor kGroupBoxColour(248, 248, 248);

struct GroupBoxSpec {
  const char* caption;
  int top;
  int left;
  int width;
  int height;
};
// Box 1 stands 4 below box 0; boxes 2 and 3 20 right of box 0, in one place.
constexpr GroupBoxSpec kGroupBoxes[4] = {
    {"Output 1_2", 4, 5, 340, 273},
    {"Data Monitor", 4 + 273 + 4, 5, 340, 175},
    {"ADC Data", 4, 5 + 340 + 15, 340, 145},
    {"Settnig Group", 4, 5 + 340 + 15, 340, 460},
};

QLabel* NewBitmapPicture(QWidget* parent, const char* file) {
  auto* picture = new QLabel(parent);
  const QPixmap pixmap = LoadSkinBitmap(QString::fromLatin1(file));
  picture->setPixmap(pixmap);
  picture->resize(pixmap.size());
  return picture;
}

int Right(const QWidget* w) { return w->x() + w->width(); }
int Bottom(const QWidget* w) { return w->y() + w->height(); }

}  // namespace

void BuildPictures(WindowBuild& build) {
  QWidget* body = build.HostWidget(Host::kBody0);
  // Created in number order; placed from picture 1, which the others follow.
  QLabel* tank = build.pictures[0] = NewBitmapPicture(body, "style/tank.bmp");
  QLabel* scale1 = build.pictures[1] = NewBitmapPicture(body, "style/percentage.bmp");
  QLabel* scale2 = build.pictures[2] = NewBitmapPicture(body, "style/percentage.bmp");
  QLabel* logo = build.pictures[3] = NewBitmapPicture(body, "style/gaugelogo.bmp");
  scale1->move(355, 160);
  tank->move(Right(scale1) - 20, scale1->y() - 30);
  scale2->move(Right(tank) - 30, scale1->y());
  logo->move(2, body->height() - logo->height() - 2);
}

void BuildGauges(WindowBuild& build) {
  QWidget* body = build.HostWidget(Host::kBody0);
  for (int i = 0; i < 2; ++i) {
    auto* gauge = new BarGauge(body);
    gauge->setColors(QColor(80, 212, 255), QColor(232, 232, 232));
    gauge->setGeometry(386 + 271 * i, 169, 28, 231);
    build.gauges[static_cast<size_t>(i)] = gauge;
  }
}

void BuildGroupBoxes(WindowBuild& build) {
  QWidget* body = build.HostWidget(Host::kBody0);
  for (size_t k = 0; k < build.group_boxes.size(); ++k) {
    const GroupBoxSpec& row = kGroupBoxes[k];
    auto* box = new SkinGroupBox(body, QString::fromLatin1(row.caption));
    box->setGeometry(row.left, row.top, row.width, row.height);
    // The designed face names no installed font; the default face shows.
    box->setFont(SizedFont(QFont(body->window()->font().family()), 11, true));
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, kGroupBoxColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(palette);
    build.group_boxes[k] = box;
  }
}

void BuildCaptions(WindowBuild& build) {
  for (size_t k = 0; k < caption_texts.size(); ++k) {
    const CaptionSpec& row = caption_texts[k];
    auto* caption = new QLabel(Text(row.text), build.HostWidget(row.host));
    if (row.style == CaptionStyle::kHotTrack) {
      QFont font = SizedFont(caption->font(), 10, true);
      font.setUnderline(true);
      caption->setFont(font);
      QPalette palette = caption->palette();
      palette.setColor(QPalette::WindowText, kHotTrack);
      caption->setPalette(palette);
    }
    caption->adjustSize();
    caption->move(row.left, row.top);
    build.captions[k] = caption;
  }
  // "Output 1" under the first scale, "Tank" and "Output 2" in its row.
  QLabel* output1 = build.captions[2];
  QLabel* tank = build.captions[1];
  QLabel* output2 = build.captions[3];
  const QLabel* scale1 = build.pictures[1];
  output1->move(scale1->x() + caption_texts[2].left, Bottom(scale1));
  tank->move(Right(output1) + caption_texts[1].left, output1->y());
  output2->move(Right(tank) + caption_texts[3].left, output1->y());
}

}  // namespace tavro
