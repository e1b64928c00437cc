// vx_background: the frame, the connection strip and the window's shape.
#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "skin_fixture.h"
#include "widgets/skin.h"
#include "widgets/tag.h"
#include "widgets/vx_background.h"

namespace tavro {
namespace {

class VxBackground : public test::SkinFixture {
 protected:
  void SetUp() override {
    SkinFixture::SetUp();
    WriteAll();  // top corners 40 x 90, bottom corners 40 x 36, sides 8 wide
    window.resize(738, 765);
  }
  QWidget window;
};

int Right(const QWidget* w) { return w->x() + w->width(); }

TEST_F(VxBackground, CornersEdgesAndCentreTileTheWindow) {
  vx_background skin(&window);
  const auto& f = skin.frame_pictures;
  EXPECT_EQ(f[3]->geometry(), QRect(0, 0, 40, 90));
  EXPECT_EQ(f[0]->geometry(), QRect(40, 0, 658, 90));
  EXPECT_EQ(f[6]->geometry(), QRect(698, 0, 40, 90));
  EXPECT_EQ(f[4]->geometry(), QRect(0, 90, 8, 639));
  EXPECT_EQ(f[7]->geometry(), QRect(730, 90, 8, 639));
  EXPECT_EQ(f[1]->geometry(), QRect(8, 90, 722, 639));
  EXPECT_EQ(f[5]->geometry(), QRect(0, 729, 40, 36));
  EXPECT_EQ(f[2]->geometry(), QRect(40, 729, 658, 36));
  EXPECT_EQ(f[8]->geometry(), QRect(698, 729, 40, 36));
  EXPECT_EQ(f[9]->geometry(), QRect(268, 0, 201, 50));  // (738 - 201) / 2 rounded down
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Tag(f[i]), i);
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(VxBackground, RightEdgeJoinsCornersOfDifferentHeights) {
  Write("style/right_up_2.bmp", {40, 20});
  Write("style/right_down.bmp", {40, 50});
  vx_background skin(&window);
  const QRect top = skin.frame_pictures[6]->geometry();
  const QRect edge = skin.frame_pictures[7]->geometry();
  const QRect bottom = skin.frame_pictures[8]->geometry();
  EXPECT_EQ(top, QRect(698, 0, 40, 20));
  EXPECT_EQ(bottom, QRect(698, 715, 40, 50));
  EXPECT_EQ(edge.top(), top.bottom() + 1);
  EXPECT_EQ(edge.bottom() + 1, bottom.top());
  EXPECT_FALSE(edge.intersects(top));
  EXPECT_FALSE(edge.intersects(bottom));
}

TEST_F(VxBackground, StripStandsAtTwoThirdsOfTheTopLeftCorner) {
  vx_background skin(&window);
  const int row = 60;
  EXPECT_EQ(skin.stripRow(), row);
  EXPECT_EQ(skin.strip_labels[0]->pos(), QPoint(20, row));
  EXPECT_EQ(skin.strip_labels[0]->text(), "ID:");
  EXPECT_EQ(skin.strip_labels[1]->pos(), QPoint(132, row));
  EXPECT_EQ(skin.strip_labels[1]->text(), "BaudRate:");
  EXPECT_EQ(skin.edit->geometry(), QRect(Right(skin.strip_labels[0]) + 10, row + 2, 50, 16));
  EXPECT_EQ(skin.edit->text(), "1");
  EXPECT_EQ(skin.combos[0]->pos(), QPoint(Right(skin.strip_labels[1]) + 7, row));
  EXPECT_EQ(skin.combos[0]->width(), 70);
  EXPECT_EQ(skin.combos[1]->pos(), QPoint(Right(skin.combos[0]) + 18, row));
  EXPECT_EQ(skin.combos[0]->currentText(), "9600");
  EXPECT_EQ(skin.combos[0]->count(), 8);
  EXPECT_EQ(skin.combos[0]->itemText(7), "115200");
  EXPECT_EQ(skin.combos[1]->currentText(), "COM1");
  EXPECT_EQ(skin.combos[1]->count(), 99);
  EXPECT_EQ(skin.combos[1]->itemText(98), "COM99");

  const char* captions[] = {"Hart", "Modbus", "Sync", "Exit"};
  for (int i = 0; i < 4; ++i) {
    const QRect expected(Right(skin.combos[1]) + 18 + 85 * i, row - 6, 80, 32);
    EXPECT_EQ(skin.button_pictures[i]->geometry(), expected) << i;
    EXPECT_EQ(skin.button_captions[i]->geometry(), expected) << i;
    EXPECT_EQ(skin.button_captions[i]->text(), captions[i]);
    EXPECT_EQ(Tag(skin.button_captions[i]), i);
  }
  EXPECT_EQ(skin.backing_pictures[0]->pos(), QPoint(Right(skin.strip_labels[0]), row - 6));
  EXPECT_EQ(skin.backing_pictures[1]->pos(), QPoint(Right(skin.strip_labels[1]), row - 6));
  EXPECT_EQ(skin.backing_pictures[2]->pos(), QPoint(Right(skin.backing_pictures[1]) + 3, row - 6));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(skin.arrow_panels[i]->size(), QSize(18, 21));
    EXPECT_EQ(Right(skin.arrow_panels[i]), Right(skin.combos[i]));
  }
  // Edit and boxes lie over their backing pictures.
  window.show();
  EXPECT_EQ(window.childAt(skin.edit->geometry().center()), skin.edit);
}

TEST_F(VxBackground, ProgressBarStaysInFrontOfLaterControls) {
  vx_background skin(&window);
  EXPECT_EQ(skin.progress_bar->geometry(), QRect(20, 733, 698, 15));
  EXPECT_EQ(skin.progress_bar->minimum(), 0);
  EXPECT_EQ(skin.progress_bar->maximum(), 10);
  auto* later = new QLabel(&window);
  later->setGeometry(0, 700, 738, 65);
  window.show();
  EXPECT_EQ(window.childAt(100, 740), skin.progress_bar);
}

// The main window rebuilds itself on the same window: the new strip's bar
// is the one in front.
TEST_F(VxBackground, RebuiltStripKeepsItsBarInFront) {
  {
    vx_background first(&window);
    qDeleteAll(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  }
  vx_background second(&window);
  auto* later = new QLabel(&window);
  later->setGeometry(0, 700, 738, 65);
  window.show();
  EXPECT_EQ(window.childAt(100, 740), second.progress_bar);
}

TEST_F(VxBackground, ArrowsDropTheirBoxes) {
  vx_background skin(&window);
  window.show();
  for (int i = 0; i < 2; ++i) {
    skin.arrow_pictures[i]->click();
    EXPECT_TRUE(skin.combos[i]->view()->isVisible()) << i;
    EXPECT_EQ(window.focusWidget(), skin.combos[i]) << i;
    skin.combos[i]->hidePopup();
  }
}

TEST_F(VxBackground, StripButtonsPressInOnlyWhileEnabled) {
  vx_background skin(&window);
  window.show();
  ClickableLabel* caption = skin.button_captions[1];
  ClickableLabel* picture = skin.button_pictures[1];
  const QPoint start = caption->pos();
  QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(caption->pos(), start + QPoint(1, 1));
  EXPECT_EQ(picture->pos(), start + QPoint(1, 1));
  QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(caption->pos(), start);
  EXPECT_EQ(picture->pos(), start);

  caption->setEnabled(false);
  emit picture->pressed();
  EXPECT_EQ(picture->pos(), start);
  emit picture->released();
  // Other buttons are not affected by this one.
  EXPECT_EQ(skin.button_captions[0]->pos(), skin.button_pictures[0]->pos());
}

TEST_F(VxBackground, ExitClosesTheWindowUntilReplaced) {
  vx_background skin(&window);
  window.show();
  skin.button_captions[3]->click();
  EXPECT_FALSE(window.isVisible());

  window.show();
  int exits = 0;
  skin.replaceExitHandler([&] { ++exits; });
  skin.button_captions[3]->click();
  skin.button_pictures[3]->click();
  EXPECT_EQ(exits, 2);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(VxBackground, YellowCornersAreSeeThrough) {
  vx_background skin(&window);
  EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
  EXPECT_EQ(qAlpha(skin.frame_pictures[3]->pixmap().toImage().pixel(0, 0)), 0);
  const QRegion mask = window.mask();
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_TRUE(mask.contains(QPoint(1, 0)));
  EXPECT_TRUE(mask.contains(QPoint(400, 400)));
  EXPECT_TRUE(mask.contains(QPoint(737, 764)));
}

TEST_F(VxBackground, PressOnTheTopFrameAsksTheWindowSystemToMoveIt) {
  vx_background skin(&window);
  window.show();
  // Offscreen there is no interactive move; the press must simply do no harm.
  for (int i : {9, 3, 0, 6}) {
    QTest::mousePress(skin.frame_pictures[i], Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(skin.frame_pictures[i], Qt::LeftButton, {}, QPoint(2, 2));
  }
  EXPECT_TRUE(window.isVisible());
}

TEST_F(VxBackground, MissingLogoStopsAfterTheFrame) {
  Remove("style/logo.bmp");
  try {
    vx_background skin(&window);
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_NE(std::string(e.what()).find("logo.bmp"), std::string::npos);
  }
  EXPECT_EQ(window.findChildren<QComboBox*>().size(), 0);
}

}  // namespace
}  // namespace tavro
