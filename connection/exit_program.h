#pragma once
// "Exit": a running HART monitor thread is marked to free itself when it
// ends, a running Modbus monitor loop is told to end, and the main window is
// closed; the program ends once the handlers on the stack have returned,
// and destroying the window saves the settings.
namespace tavro {

void ExitProgram();

}  // namespace tavro
