// vx_ellipse_button: layout, caption, and the press effect.
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "skin_fixture.h"
#include "widgets/vx_ellipse_button.h"

namespace tavro {
namespace {

using VxButton = test::SkinFixture;

std::vector<QPoint> Positions(const vx_ellipse_button& b) {
  return {b.caption->pos(), b.frame_pictures[0]->pos(), b.frame_pictures[1]->pos(),
          b.frame_pictures[2]->pos()};
}

std::vector<QPoint> Shifted(std::vector<QPoint> points) {
  for (QPoint& p : points) p += QPoint(1, 1);
  return points;
}

TEST_F(VxButton, CaptionCoversTheThreeSlicesAndLiesOnTop) {
  WriteAll();  // caps 12 x 28
  QWidget parent;
  vx_ellipse_button button(&parent, 70, 300, 80, "Initial", 0);
  EXPECT_EQ(button.caption->geometry(), QRect(300, 70, 104, 28));
  EXPECT_EQ(button.frame_pictures[1]->pos(), QPoint(392, 70));
  EXPECT_EQ(button.caption->text(), "Initial");
  EXPECT_TRUE(button.caption->font().bold());
  EXPECT_EQ(button.caption->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(parent.childAt(350, 80), button.caption);
}

TEST_F(VxButton, StyleChoosesTheBitmaps) {
  WriteAll();
  Write("style/left_button_style3.bmp", {20, 28});
  QWidget parent;
  vx_ellipse_button first(&parent, 0, 0, 50, "A", 0);
  vx_ellipse_button third(&parent, 0, 0, 50, "B", 7);
  EXPECT_EQ(first.frame_pictures[0]->width(), 12);
  EXPECT_EQ(third.frame_pictures[0]->width(), 20);
}

TEST_F(VxButton, PressMovesAllPartsOneRightOneDownUntilRelease) {
  WriteAll();
  QWidget parent;
  parent.resize(500, 300);
  vx_ellipse_button button(&parent, 70, 300, 80, "ORG", 0);
  parent.show();
  const auto start = Positions(button);

  QTest::mousePress(button.caption, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(Positions(button), Shifted(start));
  QSignalSpy clicks(button.caption, &ClickableLabel::clicked);
  QTest::mouseRelease(button.caption, Qt::LeftButton, {}, QPoint(9, 9));
  EXPECT_EQ(Positions(button), start);
  EXPECT_EQ(clicks.count(), 1);

  // A press on a frame picture moves everything as well.
  emit button.frame_pictures[2]->pressed();
  EXPECT_EQ(Positions(button), Shifted(start));
  emit button.frame_pictures[2]->released();
  EXPECT_EQ(Positions(button), start);
}

TEST_F(VxButton, DisabledButtonDoesNotMoveOrClick) {
  WriteAll();
  QWidget parent;
  parent.resize(500, 300);
  vx_ellipse_button button(&parent, 70, 300, 80, "Auto Test", 0);
  button.caption->setEnabled(false);
  parent.show();
  const auto start = Positions(button);
  QSignalSpy clicks(button.caption, &ClickableLabel::clicked);

  QTest::mousePress(button.caption, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(Positions(button), start);
  QTest::mouseRelease(button.caption, Qt::LeftButton, {}, QPoint(10, 10));
  button.caption->click();
  // Pressing a frame picture of a disabled button does not move it either.
  emit button.frame_pictures[0]->pressed();
  EXPECT_EQ(Positions(button), start);
  emit button.frame_pictures[0]->released();
  EXPECT_EQ(Positions(button), start);
  EXPECT_EQ(clicks.count(), 0);
}

// An operation that disables its own button while it runs must not leave
// the button pressed in.
TEST_F(VxButton, ButtonDisabledWhileHeldReturnsOnRelease) {
  WriteAll();
  QWidget parent;
  vx_ellipse_button button(&parent, 10, 10, 50, "Verify", 0);
  const auto start = Positions(button);
  emit button.caption->pressed();
  button.caption->setEnabled(false);
  emit button.caption->released();
  EXPECT_EQ(Positions(button), start);
}

TEST_F(VxButton, ClickHandlerMayDeleteTheButton) {
  WriteAll();
  auto* parent = new QWidget;
  parent->resize(300, 100);
  vx_ellipse_button button(parent, 10, 10, 50, "OK", 0);
  QObject::connect(button.caption, &ClickableLabel::clicked, [&parent] {
    delete parent;
    parent = nullptr;
  });
  button.caption->click();
  EXPECT_EQ(parent, nullptr);
}

TEST_F(VxButton, ShiftMovesTheFourParts) {
  WriteAll();
  QWidget parent;
  vx_ellipse_button button(&parent, 10, 10, 50, "X", 0);
  auto expected = Positions(button);
  button.shift(3, -2);
  for (QPoint& p : expected) p += QPoint(3, -2);
  EXPECT_EQ(Positions(button), expected);
}

}  // namespace
}  // namespace tavro
