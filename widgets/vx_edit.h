#pragma once
// Labelled edit field: label, three-slice frame, borderless edit box inside
// it, unit label after it. `left` is the label's left; `gap` the distance
// from the label's left to the frame's left cap.
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <array>

#include "widgets/clickable_label.h"

namespace tavro {

class vx_edit {
 public:
  vx_edit(QWidget* parent, int top, int left, int middleWidth, int gap, const QString& labelText,
          const QString& initialText, const QString& unitText);

  std::array<ClickableLabel*, 3> frame_pictures{};  // left cap, right cap, middle
  QLabel* label = nullptr;
  QLineEdit* edit = nullptr;
  QLabel* unit_label = nullptr;

  QString text() const { return edit->text(); }
  void setText(const QString& text) { edit->setText(text); }
};

}  // namespace tavro
