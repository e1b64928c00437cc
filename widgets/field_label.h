#pragma once
// The label and the edit frame that labelled fields and combo boxes share.
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

#include "widgets/clickable_label.h"

namespace tavro {

// Calibri 12 in the parent's text colour, sized to its text, at (top, left).
QLabel* NewFieldLabel(QWidget* parent, const QString& text, int top, int left);

// The three-slice edit frame with its left cap's corner at (top, left).
std::array<ClickableLabel*, 3> BuildEditFrame(QWidget* parent, int top, int left, int middleWidth);

}  // namespace tavro
