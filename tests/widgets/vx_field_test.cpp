// vx_edit and vx_combobox: the three-slice layout and the drop arrow.
#include <QAbstractItemView>
#include <QWidget>

#include "skin_fixture.h"
#include "widgets/skin.h"
#include "widgets/vx_combobox.h"
#include "widgets/vx_edit.h"

namespace tavro {
namespace {

using VxField = test::SkinFixture;

TEST_F(VxField, EditBoxRunsFromMiddleOfLeftCapToMiddleOfRightCap) {
  WriteAll();  // edit caps 10 wide, 22 high
  QWidget parent;
  vx_edit field(&parent, 40, 5, 60, 155, "Distance", "12", "mm");

  EXPECT_EQ(field.frame_pictures[0]->geometry(), QRect(160, 39, 10, 22));
  EXPECT_EQ(field.frame_pictures[2]->geometry(), QRect(170, 39, 60, 22));
  EXPECT_EQ(field.frame_pictures[1]->geometry(), QRect(230, 39, 10, 22));
  EXPECT_EQ(field.edit->geometry(), QRect(165, 42, 70, 16));
  EXPECT_EQ(field.label->pos(), QPoint(5, 40));
  EXPECT_EQ(field.unit_label->pos(), QPoint(240, 48));
  EXPECT_EQ(field.text(), "12");
  EXPECT_EQ(field.label->text(), "Distance");
  EXPECT_EQ(field.unit_label->text(), "mm");
  EXPECT_TRUE(field.edit->alignment() & Qt::AlignRight);
  EXPECT_FALSE(field.edit->hasFrame());
}

TEST_F(VxField, OddCapWidthsHalveDownward) {
  WriteAll();
  Write("style/left_edit.bmp", {9, 22});
  Write("style/right_edit.bmp", {7, 22});
  QWidget parent;
  vx_edit field(&parent, 0, 0, 50, 0, "", "", "");
  EXPECT_EQ(field.edit->x(), 4);
  EXPECT_EQ(field.edit->width(), 4 + 50 + 3);
}

TEST_F(VxField, EditLabelTakesTheParentsTextColour) {
  WriteAll();
  QWidget parent;
  QPalette palette = parent.palette();
  palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
  parent.setPalette(palette);
  vx_edit field(&parent, 0, 0, 50, 60, "Label", "", "");
  EXPECT_EQ(field.label->palette().color(QPalette::WindowText), QColor(1, 2, 3));
  EXPECT_EQ(field.label->font().family(), "Calibri");
  EXPECT_EQ(field.label->font().pixelSize(), 16);
  EXPECT_FALSE(field.label->font().bold());
}

TEST_F(VxField, MissingFrameBitmapStopsTheConstructorKeepingWhatWasBuilt) {
  WriteAll();
  Remove("style/right_edit.bmp");
  QWidget parent;
  try {
    vx_edit(&parent, 0, 0, 50, 60, "Label", "", "");
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    EXPECT_NE(std::string(e.what()).find("right_edit.bmp"), std::string::npos);
  }
  // The label and the left cap were made; no edit box.
  EXPECT_EQ(parent.findChildren<QLabel*>().size(), 2);
  EXPECT_TRUE(parent.findChildren<QLineEdit*>().isEmpty());
}

TEST_F(VxField, ComboBoxSitsInTheEditFrameWithItsArrowOnTheRight) {
  WriteAll();
  QWidget parent;
  vx_combobox choice(&parent, 42, 20, 100, 180, "Modbus Baudrate", "");
  EXPECT_EQ(choice.frame_pictures[0]->pos(), QPoint(200, 39));
  EXPECT_EQ(choice.combo->x(), 205);
  EXPECT_EQ(choice.combo->width(), 110);
  EXPECT_EQ(choice.combo->y(), 42);
  const QRect panel = choice.arrow_panel->geometry();
  EXPECT_EQ(panel.size(), QSize(19, 19));
  EXPECT_EQ(panel.y(), 43);
  EXPECT_EQ(panel.right(), choice.combo->geometry().right());
  // In front of the box.
  const QObjectList& children = parent.children();
  EXPECT_GT(children.indexOf(choice.arrow_panel), children.indexOf(choice.combo));
  EXPECT_EQ(choice.arrow_picture->parentWidget(), choice.arrow_panel);
}

TEST_F(VxField, ArrowDropsTheListOnlyWhileTheBoxIsEnabled) {
  WriteAll();
  QWidget parent;
  parent.resize(400, 200);
  vx_combobox choice(&parent, 20, 10, 100, 100, "Material", "");
  choice.combo->addItems({"Solids", "Liquids"});
  parent.show();

  choice.combo->setEnabled(false);
  choice.arrow_picture->click();
  EXPECT_FALSE(choice.combo->view()->isVisible());

  choice.combo->setEnabled(true);
  choice.arrow_picture->click();
  EXPECT_TRUE(choice.combo->view()->isVisible());
  EXPECT_EQ(parent.focusWidget(), choice.combo);
  choice.combo->hidePopup();
}

TEST_F(VxField, FilledComboBoxHasNoSelectionUntilOneIsMade) {
  WriteAll();
  QWidget parent;
  vx_combobox choice(&parent, 0, 0, 60, 60, "Table Type", "");
  choice.combo->addItems({"6m", "4m", "2m"});
  EXPECT_EQ(choice.combo->currentIndex(), -1);
  EXPECT_EQ(choice.combo->currentText(), "");
  choice.combo->setCurrentIndex(1);
  choice.combo->addItem("1m");
  EXPECT_EQ(choice.combo->currentText(), "4m");
  choice.combo->clear();
  choice.combo->addItems({"Metal Vessel", "Non-metal Vessel"});
  EXPECT_EQ(choice.combo->currentIndex(), -1);
}

TEST_F(VxField, ComboBoxTakesTextOutsideItsList) {
  WriteAll();
  QWidget parent;
  vx_combobox choice(&parent, 0, 0, 60, 60, "Port", "COM100");
  choice.combo->addItems({"COM1", "COM2"});
  EXPECT_EQ(choice.combo->currentText(), "COM100");
}

}  // namespace
}  // namespace tavro
