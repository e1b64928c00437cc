#pragma once
// The echo chart of the Calibration page: three line series (red, black,
// dark green) and four rectangle outlines; what they show is drawn by the
// echo view.
#include "app/main_window/window_build.h"

namespace tavro {

void BuildEchoChart(WindowBuild& build);

}  // namespace tavro
