#pragma once
// The Parameter page's pictures, gauges and group boxes, and the window's
// plain captions.
#include "app/main_window/window_build.h"

namespace tavro {

void BuildPictures(WindowBuild& build);
void BuildGauges(WindowBuild& build);
void BuildGroupBoxes(WindowBuild& build);
void BuildCaptions(WindowBuild& build);

}  // namespace tavro
