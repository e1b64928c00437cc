#pragma once
// The look of the splash and the access dialog: a borderless window the
// size of its picture, shaped by the picture's yellow (see-through) pixels.
#include <QWidget>

#include "widgets/clickable_label.h"

namespace tavro {

// Loads the bitmap (relative to the executable's folder), sizes `window` to
// it and returns the picture, a child of `window` at (0, 0).
ClickableLabel* DressAsPicture(QWidget* window, const QString& bitmap);

}  // namespace tavro
