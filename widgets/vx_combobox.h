#pragma once
// Labelled combo box in the three-slice frame, with a skinned drop arrow.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QString>
#include <array>

#include "widgets/clickable_label.h"

namespace tavro {

class vx_combobox {
 public:
  vx_combobox(QWidget* parent, int top, int left, int middleWidth, int gap,
              const QString& labelText, const QString& initialText);

  std::array<ClickableLabel*, 3> frame_pictures{};  // left cap, right cap, middle
  ClickableLabel* arrow_picture = nullptr;
  QLabel* label = nullptr;
  QFrame* arrow_panel = nullptr;
  QComboBox* combo = nullptr;
};

}  // namespace tavro
