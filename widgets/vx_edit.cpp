#include "widgets/vx_edit.h"

#include "widgets/field_label.h"
#include "widgets/fonts.h"
#include "widgets/three_slice.h"

namespace tavro {

vx_edit::vx_edit(QWidget* parent, int top, int left, int middleWidth, int gap,
                 const QString& labelText, const QString& initialText, const QString& unitText) {
  label = NewFieldLabel(parent, labelText, top, left);
  frame_pictures = BuildEditFrame(parent, top - 1, left + gap, middleWidth);
  const InnerSpan span = InnerSpanOf(frame_pictures);

  edit = new QLineEdit(initialText, parent);
  edit->setFrame(false);
  edit->setFont(SizedFont(parent->font(), 10));
  QPalette editPalette = edit->palette();
  editPalette.setColor(QPalette::Text, Qt::black);
  editPalette.setColor(QPalette::Base, Qt::white);
  edit->setPalette(editPalette);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setTextMargins(0, 0, 0, 0);
  edit->setGeometry(span.left, top + 2, span.width, 16);
  edit->setCursorPosition(0);

  unit_label = new QLabel(unitText, parent);
  unit_label->setFont(SizedFont(parent->font(), 8));
  unit_label->adjustSize();
  unit_label->move(frame_pictures[1]->x() + frame_pictures[1]->width(), top + 8);
}

}  // namespace tavro
