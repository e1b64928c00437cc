#pragma once
// Borderless windows shaped by their skin: the yellow pixels of the skin
// bitmaps are see-through (they load as transparent), the window paints no
// background of its own, and a mask cuts the same shape for window systems
// without a compositor. Dragging uses the window system's move gesture.
#include <QLabel>
#include <QWidget>
#include <vector>

namespace tavro {

// No border, no background of its own. Call before the window is shown.
void MakeBorderless(QWidget* window);

// Cuts the window to the opaque pixels of `pictures` (labels showing
// pixmaps, children of `window`, at their current geometry). Areas that no
// picture covers are cut away as well.
void ShapeWindowByPictures(QWidget* window, const std::vector<QLabel*>& pictures);

// Starts the window system's interactive move of `window`; call it from a
// mouse-press handler. Returns false where the platform cannot do it.
bool StartWindowDrag(QWidget* window);

}  // namespace tavro
