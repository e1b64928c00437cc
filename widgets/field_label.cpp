#include "widgets/field_label.h"

#include <QPalette>

#include "widgets/fonts.h"
#include "widgets/three_slice.h"

namespace tavro {

QLabel* NewFieldLabel(QWidget* parent, const QString& text, int top, int left) {
  auto* label = new QLabel(text, parent);
  label->setFont(SkinFont(QStringLiteral("Calibri"), 12));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, parent->palette().color(QPalette::WindowText));
  label->setPalette(palette);
  label->adjustSize();
  label->move(left, top);
  return label;
}

std::array<ClickableLabel*, 3> BuildEditFrame(QWidget* parent, int top, int left, int middleWidth) {
  return BuildThreeSlice(parent, top, left, middleWidth,
                         {QStringLiteral("style/left_edit.bmp"), QStringLiteral("style/right_edit.bmp"),
                          QStringLiteral("style/center_edit.bmp")});
}

}  // namespace tavro
