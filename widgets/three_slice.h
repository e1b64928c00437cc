#pragma once
// The horizontal three-slice frame of edits, combo boxes and buttons: left
// and right caps at natural size, the middle stretched to a given width.
#include <QString>
#include <QWidget>
#include <array>

#include "widgets/clickable_label.h"

namespace tavro {

struct ThreeSliceNames {
  QString left, right, middle;
};

// Extent of the control that sits inside the frame: from the middle of the
// left cap to the middle of the right cap.
struct InnerSpan {
  int left = 0;
  int width = 0;
};

// Creates the three pictures on `parent` (order: left cap, right cap,
// middle) with the left cap's corner at (top, left). Throws EFOpenError on
// the first bitmap that cannot be read; pictures made before it stay.
std::array<ClickableLabel*, 3> BuildThreeSlice(QWidget* parent, int top, int left, int middleWidth,
                                               const ThreeSliceNames& names);

InnerSpan InnerSpanOf(const std::array<ClickableLabel*, 3>& frame);

// A picture label showing `pixmap` at natural size, or stretched to `size`.
ClickableLabel* NewPicture(QWidget* parent, const QPixmap& pixmap);
ClickableLabel* NewStretchedPicture(QWidget* parent, const QPixmap& pixmap, const QSize& size);

}  // namespace tavro
