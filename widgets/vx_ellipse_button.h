#pragma once
// Skinned push button: three-slice picture frame under a centred caption.
// The caption is the clickable part and carries the button's Tag. Pressing
// moves caption and frame one pixel right and down while the caption is
// enabled.
#include <QString>
#include <array>

#include "widgets/clickable_label.h"

namespace tavro {

class vx_ellipse_button {
 public:
  // style 0: first style; any other value: third style.
  vx_ellipse_button(QWidget* parent, int top, int left, int middleWidth, const QString& caption,
                    int style);

  ClickableLabel* caption = nullptr;
  std::array<ClickableLabel*, 3> frame_pictures{};  // left cap, right cap, middle

  // Moves the four parts by (dx, dy): the press effect and its release.
  void shift(int dx, int dy);
};

}  // namespace tavro
