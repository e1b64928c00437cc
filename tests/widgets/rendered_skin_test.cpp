// The committed skin (style/ beside the executable): every bitmap the
// windows read exists, and the sizes the window's positions depend on fit.
#include <QImage>

#include <gtest/gtest.h>

#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/vx_background.h"

namespace tavro {
namespace {

QSize SizeOf(const char* name) { return LoadSkinBitmap(QString("style/%1.bmp").arg(name)).size(); }

int SeeThroughPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) == 0;
  }
  return count;
}

const char* const kOpaque[] = {
    "arrow", "button", "title_edit", "left_edit", "right_edit", "center_edit",
    "left_button_style1", "right_button_style1", "center_button_style1",
    "left_button_style3", "right_button_style3", "center_button_style3",
    "page_title_1st", "page_title_2nd", "page",
    "left_up_richedit", "left_center_richedit", "left_down_richedit",
    "right_up_richedit", "right_center_richedit", "right_down_richedit",
    "up_richedit", "center_richedit", "down_richedit",
    "center_up_2", "center", "center_down", "left_center", "right_center", "logo",
    "tank", "percentage", "gaugelogo",
};

TEST(RenderedSkin, InnerBitmapsHaveNoSeeThroughPixels) {
  for (const char* name : kOpaque) {
    const QImage image = LoadSkinBitmap(QString("style/%1.bmp").arg(name)).toImage();
    EXPECT_EQ(SeeThroughPixels(image), 0) << name;
  }
}

TEST(RenderedSkin, OuterCornersAndStandAloneWindowsAreSeeThroughAtTheirCorners) {
  const struct {
    const char* name;
    QPoint outerCorner;
  } cases[] = {{"left_up_2", {0, 0}},     {"right_up_2", {39, 0}},   {"left_down", {0, 35}},
               {"right_down", {39, 35}},  {"splash", {0, 0}},        {"access_dialog", {327, 178}}};
  for (const auto& c : cases) {
    const QImage image = LoadSkinBitmap(QString("style/%1.bmp").arg(c.name)).toImage();
    EXPECT_EQ(qAlpha(image.pixel(c.outerCorner)), 0) << c.name;
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << c.name;
    // Only a corner's worth: the rest of the picture is solid.
    EXPECT_LT(SeeThroughPixels(image), 4 * 12 * 12) << c.name;
  }
}

TEST(RenderedSkin, StandAloneWindowPicturesHaveTheirDesignSizes) {
  EXPECT_EQ(SizeOf("splash"), QSize(405, 303));
  EXPECT_EQ(SizeOf("access_dialog"), QSize(328, 179));
}

TEST(RenderedSkin, FrameSlicesFitTogether) {
  const QSize tl = SizeOf("left_up_2"), top = SizeOf("center_up_2"), tr = SizeOf("right_up_2");
  EXPECT_EQ(tl.height(), top.height());
  EXPECT_EQ(tr.height(), top.height());
  const QSize bl = SizeOf("left_down"), bottom = SizeOf("center_down"), br = SizeOf("right_down");
  EXPECT_EQ(bl.height(), bottom.height());
  EXPECT_EQ(br.height(), bottom.height());
  EXPECT_EQ(SizeOf("left_center").width(), SizeOf("right_center").width());
  // The page (top 140) starts below the header; the progress bar (15 high,
  // 32 above the window's bottom) lies on the footer.
  EXPECT_LE(tl.height(), 140);
  EXPECT_GE(bottom.height(), 32);
}

TEST(RenderedSkin, StripSitsInsideTheHeaderAndClearOfTheLogo) {
  const int header = SizeOf("left_up_2").height();
  const int row = header * 2 / 3;
  const QSize button = SizeOf("button"), backing = SizeOf("title_edit"), logo = SizeOf("logo");
  EXPECT_LE(row - 6 + button.height(), header);
  EXPECT_LE(row - 6 + backing.height(), header);
  EXPECT_LE(logo.height(), row - 6);
  // Four strip buttons 85 apart.
  EXPECT_LE(button.width(), 85);
  // The backing picture holds the 16 px edit at row + 2 and the 21 px
  // arrow panel at row.
  EXPECT_GE(backing.height(), 6 + 21);
}

TEST(RenderedSkin, ThreeSliceCapsMatchTheirMiddles) {
  for (const char* stem : {"edit", "button_style1", "button_style3"}) {
    const QSize left = SizeOf(QString("left_%1").arg(stem).toUtf8());
    const QSize right = SizeOf(QString("right_%1").arg(stem).toUtf8());
    const QSize middle = SizeOf(QString("center_%1").arg(stem).toUtf8());
    EXPECT_EQ(left.height(), middle.height()) << stem;
    EXPECT_EQ(right.height(), middle.height()) << stem;
  }
  // The edit box (16 high, 3 below the frame's top) lies inside the frame.
  const int edit = SizeOf("center_edit").height();
  EXPECT_GE(edit, 3 + 16 + 2);
  EXPECT_LE(edit, 24);
  // Arrow inside its 19 x 19 and 18 x 21 panels.
  EXPECT_LE(SizeOf("arrow").width(), 18);
  EXPECT_LE(SizeOf("arrow").height(), 19);
}

TEST(RenderedSkin, FourTabsFitTheBodyAndTheBodyHidesNothingOfTheirText) {
  const QSize first = SizeOf("page_title_1st"), second = SizeOf("page_title_2nd");
  EXPECT_EQ(first, second);
  EXPECT_LE(4 * first.width(), 715);
  EXPECT_GE(first.height(), 30);
}

TEST(RenderedSkin, GaugesStandOnBothPercentageScales) {
  // Gauge 0 stands 31 px into picture 1 at left 355; picture 2 starts 30 px
  // before the tank's right edge, and the tank 20 px before picture 1's.
  const QSize scale = SizeOf("percentage"), tank = SizeOf("tank");
  const int picture2Left = 355 + scale.width() - 20 + tank.width() - 30;
  EXPECT_EQ(picture2Left + 31, 386 + 271);
  EXPECT_GE(scale.height(), 9 + 231);
}

// The strip as built with the real skin and fonts: every part inside the
// header, clear of the logo, and the last button inside the window.
TEST(RenderedSkin, BuiltStripFitsTheHeader) {
  InstallFonts();
  QWidget window;
  window.setFont(SkinFont("Tahoma", 8));
  window.resize(738, 800);
  vx_background skin(&window);
  const QRect header = skin.frame_pictures[3]->geometry().united(skin.frame_pictures[0]->geometry());
  const QRect logo = skin.frame_pictures[9]->geometry();
  std::vector<QWidget*> parts = {skin.edit, skin.combos[0], skin.combos[1]};
  for (auto* w : skin.strip_labels) parts.push_back(w);
  for (auto* w : skin.backing_pictures) parts.push_back(w);
  for (auto* w : skin.button_pictures) parts.push_back(w);
  for (auto* w : skin.arrow_panels) parts.push_back(w);
  for (QWidget* part : parts) {
    const QRect r = part->geometry();
    EXPECT_LE(r.bottom(), header.bottom()) << r.x();
    EXPECT_FALSE(r.intersects(logo)) << r.x();
    EXPECT_LE(r.right(), window.width() - 8) << r.x();
  }
  // Labels do not run into the fields after them.
  EXPECT_LE(skin.strip_labels[0]->geometry().right(), skin.edit->x());
  EXPECT_LE(skin.edit->geometry().right(), skin.strip_labels[1]->x());
  // Each field lies on its backing picture.
  EXPECT_TRUE(skin.backing_pictures[0]->geometry().contains(skin.edit->geometry()));
  EXPECT_TRUE(skin.backing_pictures[1]->geometry().contains(skin.combos[0]->geometry()));
  EXPECT_TRUE(skin.backing_pictures[2]->geometry().contains(skin.combos[1]->geometry()));
}

}  // namespace
}  // namespace tavro
