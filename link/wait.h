#pragma once
// WaitWithProgress: the pause of the polling and calibration loops. It keeps
// the window alive by running the application's event pump and shows activity
// by stepping the progress bar; both are hooks the application installs, so
// this floor stays free of widgets.
#include <functional>

namespace tavro {

using Hook = std::function<void()>;

// Processes all pending user-interface events (handlers may run inside).
void SetEventPump(Hook pump);
// Advances the progress bar by one, back to its minimum at its maximum.
void SetProgressStep(Hook step);

void PumpEvents();
void StepProgress();

// Repeats ms / 10 times: pump events, sleep 10 ms (scaled), step progress.
void WaitWithProgress(int ms);

}  // namespace tavro
