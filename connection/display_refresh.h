#pragma once
// The display refresh that both live monitors run. The live half shows the
// measurement block (registers 4128-4205) in fields 0-31; the parameter half
// shows the configuration block (4206-4339) in fields 32-52 and 82-85 and
// choices 0-14. They take a copy of the readings, so a monitor on another
// thread can hand one over to the user-interface thread, which is the only
// place these may run. A control the window does not have is skipped.
#include "link/live_readings.h"

namespace tavro {

void ShowLiveHalf(const LiveReadings& readings);
void ShowParameterHalf(const LiveReadings& readings);
// Both halves, live first.
void RefreshDisplay(const LiveReadings& readings);

}  // namespace tavro
