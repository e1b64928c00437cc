#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl+C in the terminal that started the tool,
// a logout) close the main window as "Exit" would, so the settings are
// saved, instead of ending the process on the spot.
#include <functional>

namespace tavro {

// `closeWindow` runs on the user-interface thread when a signal arrives.
void CloseOnQuitSignals(std::function<void()> closeWindow);

}  // namespace tavro
