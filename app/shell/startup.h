#pragma once
// What start-up sets up before the first window: the message box, the event
// pump and progress step of the waits, the fonts, the default font.

namespace tavro {

void InstallApplicationHooks();

}  // namespace tavro
