#pragma once
// "Exit": closes the main window, which saves the settings and ends the
// program.

namespace tavro {

void ExitProgram();

}  // namespace tavro
