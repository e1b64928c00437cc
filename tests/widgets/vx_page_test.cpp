// vx_page: tab and body placement, tab switching.
#include <QTest>
#include <QWidget>

#include "skin_fixture.h"
#include "widgets/tag.h"
#include "widgets/vx_page.h"

namespace tavro {
namespace {

using VxPage = test::SkinFixture;

bool ShowsActiveTab(const ClickableLabel* tab) {
  return tab->pixmap().toImage().pixelColor(5, 5) == QColor(40, 90, 150);
}

TEST_F(VxPage, TabsSideBySideBodyThirtyBelowAndBodiesInsideIt) {
  WriteAll();  // tabs 100 x 30
  QWidget owner;
  vx_page page(&owner, 140, 16, 565, 715);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(page.pictures[i]->geometry(), QRect(16 + 100 * i, 140, 100, 30)) << i;
    EXPECT_EQ(page.tab_captions[i]->geometry(), QRect(16 + 100 * i, 145, 100, 30)) << i;
    EXPECT_EQ(Tag(page.tab_captions[i]), i);
    EXPECT_EQ(page.bodies[i]->geometry(), QRect(20, 174, 705, 557)) << i;
    EXPECT_EQ(page.bodies[i]->palette().color(QPalette::Window), QColor(248, 248, 248));
  }
  EXPECT_EQ(page.pictures[4]->geometry(), QRect(15, 170, 715, 565));
  EXPECT_EQ(page.tab_captions[0]->text(), "Parameter");
  EXPECT_EQ(page.tab_captions[3]->text(), "Setting");
  const QObjectList& children = owner.children();
  EXPECT_GT(children.indexOf(page.pictures[4]), children.indexOf(page.pictures[3]));
}

TEST_F(VxPage, ClickingATabShowsItsBodyAndMarksIt) {
  WriteAll();
  QWidget owner;
  owner.resize(738, 765);
  vx_page page(&owner, 140, 16, 565, 715);
  owner.show();
  EXPECT_EQ(page.currentTab(), 0);
  EXPECT_TRUE(ShowsActiveTab(page.pictures[0]));
  EXPECT_FALSE(ShowsActiveTab(page.pictures[1]));

  const struct {
    ClickableLabel* target;
    int tab;
  } clicks[] = {{page.tab_captions[2], 2}, {page.pictures[1], 1}, {page.tab_captions[3], 3},
                {page.pictures[0], 0}};
  for (const auto& c : clicks) {
    QTest::mouseClick(c.target, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(page.currentTab(), c.tab);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(page.bodies[i]->isVisible(), i == c.tab) << "tab " << c.tab << " body " << i;
      EXPECT_EQ(ShowsActiveTab(page.pictures[i]), i == c.tab) << "tab " << c.tab << " pic " << i;
    }
  }
}

TEST_F(VxPage, HiddenTabCannotBeChosen) {
  WriteAll();
  QWidget owner;
  owner.resize(738, 765);
  vx_page page(&owner, 140, 16, 565, 715);
  page.pictures[2]->hide();
  page.tab_captions[2]->hide();
  owner.show();
  QTest::mouseClick(&owner, Qt::LeftButton, {}, page.tab_captions[2]->geometry().center());
  EXPECT_EQ(page.currentTab(), 0);
}

TEST_F(VxPage, TabClicksStillWorkAfterThePageObjectIsGone) {
  WriteAll();
  QWidget owner;
  auto page = std::make_unique<vx_page>(&owner, 140, 16, 565, 715);
  ClickableLabel* caption = page->tab_captions[1];
  QGroupBox* body = page->bodies[1];
  page.reset();
  owner.show();
  caption->click();
  EXPECT_TRUE(body->isVisible());
}

}  // namespace
}  // namespace tavro
