#pragma once
// The display refresh for a monitor that runs on a thread of its own: the
// readings are copied and the refresh runs on the user-interface thread at
// its next event processing. The caller never waits for it, so a thread that
// the user-interface thread stops and joins cannot deadlock on it.
#include "link/live_readings.h"

namespace tavro {

enum class DisplayHalves { kLive, kLiveAndParameters };

// Callable from any thread while the application object exists.
void PostDisplayRefresh(const LiveReadings& readings, DisplayHalves halves);
// One step of the progress bar, handed over the same way.
void PostProgressStep();

}  // namespace tavro
