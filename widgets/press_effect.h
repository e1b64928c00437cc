#pragma once
// The press effect of skinned buttons: while the mouse is held on any of
// the parts, all parts sit one pixel right and one pixel down.
#include <QWidget>
#include <vector>

#include "widgets/clickable_label.h"

namespace tavro {

// Wires the effect to the presses and releases of `triggers`; `parts` are
// the widgets that move. A press moves them only while `caption` is
// enabled. A release undoes exactly what its press did, so a button that
// its own click disables does not stay pressed in.
void AttachPressEffect(ClickableLabel* caption, const std::vector<ClickableLabel*>& triggers,
                       const std::vector<QWidget*>& parts);

// Moves every part by (dx, dy).
void ShiftParts(const std::vector<QWidget*>& parts, int dx, int dy);

}  // namespace tavro
