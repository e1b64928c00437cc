// vx_richedit: nine-slice layout, lines at the end, scrolled to the last.
#include <QScrollBar>
#include <QWidget>

#include "skin_fixture.h"
#include "widgets/vx_richedit.h"

namespace tavro {
namespace {

using VxRichEdit = test::SkinFixture;

TEST_F(VxRichEdit, NineSlicesFillTheRectangleAndTheTextBoxSitsInside) {
  WriteAll();
  Write("style/left_up_richedit.bmp", {14, 10});
  Write("style/right_down_richedit.bmp", {16, 18});
  QWidget parent;
  vx_richedit log(&parent, 420, 5, 140, 695);
  const auto& f = log.frame_pictures;
  EXPECT_EQ(f[0]->geometry(), QRect(5, 420, 14, 10));     // left up
  EXPECT_EQ(f[1]->geometry(), QRect(5, 430, 12, 118));    // left centre: 140 - 10 - 12
  EXPECT_EQ(f[2]->geometry(), QRect(5, 548, 12, 12));     // left down
  EXPECT_EQ(f[3]->geometry(), QRect(688, 420, 12, 12));   // right up
  EXPECT_EQ(f[4]->geometry(), QRect(688, 432, 12, 110));  // right centre: 140 - 12 - 18
  EXPECT_EQ(f[5]->geometry(), QRect(684, 542, 16, 18));   // right down
  EXPECT_EQ(f[6]->geometry(), QRect(19, 420, 669, 12));   // up
  EXPECT_EQ(f[8]->geometry(), QRect(17, 548, 667, 12));   // down
  EXPECT_EQ(f[7]->geometry(), QRect(17, 432, 671, 116));  // centre
  EXPECT_EQ(log.text_box->geometry(), QRect(12, 425, 681, 130));
}

TEST_F(VxRichEdit, LinesGoAtTheEndAndTheBoxShowsTheLast) {
  WriteAll();
  QWidget parent;
  parent.resize(720, 600);
  vx_richedit log(&parent, 10, 5, 140, 695);
  parent.show();
  for (int i = 0; i < 60; ++i) log.addLine(QString("line %1").arg(i));
  EXPECT_EQ(log.lines().size(), 60);
  EXPECT_EQ(log.lines().front(), "line 0");
  EXPECT_EQ(log.lines().back(), "line 59");
  QScrollBar* bar = log.text_box->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());

  // Any change scrolls to the end, also one made directly on the box.
  bar->setValue(0);
  log.text_box->appendPlainText("direct");
  EXPECT_EQ(bar->value(), bar->maximum());

  log.addLine("Run Stop\n");
  EXPECT_EQ(log.lines().mid(log.lines().size() - 2), QStringList({"Run Stop", ""}));
  log.clear();
  EXPECT_TRUE(log.lines().isEmpty());
}

}  // namespace
}  // namespace tavro
