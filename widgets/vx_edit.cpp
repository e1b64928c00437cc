#include "widgets/vx_edit.h"

#include "widgets/fonts.h"
#include "widgets/three_slice.h"

namespace tavro {

vx_edit::vx_edit(QWidget* parent, int top, int left, int middleWidth, int gap,
                 const QString& labelText, const QString& initialText, const QString& unitText) {
  label = new QLabel(labelText, parent);
  label->setFont(SkinFont(QStringLiteral("Calibri"), 12));
  QPalette labelPalette = label->palette();
  labelPalette.setColor(QPalette::WindowText, parent->palette().color(QPalette::WindowText));
  label->setPalette(labelPalette);
  label->adjustSize();
  label->move(left, top);

  frame_pictures = BuildThreeSlice(parent, top - 1, left + gap, middleWidth,
                                   {QStringLiteral("style/left_edit.bmp"),
                                    QStringLiteral("style/right_edit.bmp"),
                                    QStringLiteral("style/center_edit.bmp")});
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
