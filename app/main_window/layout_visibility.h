#pragma once
// The two layouts differ, besides the places of the device parameters, in
// what is shown: the normal layout offers only the "Parameter" and "Chart"
// tabs and shows the device parameters in "Settnig Group"; the engineering
// layout shows everything else.
#include "app/main_window/window_build.h"

namespace tavro {

void ApplyLayoutVisibility(const WindowBuild& build, bool engineering);

}  // namespace tavro
