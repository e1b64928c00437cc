#pragma once
// Program-wide state of the application shell.
#include <QString>

#include "widgets/skin.h"

namespace tavro {

// True once an access code has been accepted: the main window is built in
// its engineering layout from then on, until the program ends.
extern bool engineering_mode;

// The folder of the running executable, with a trailing separator: home of
// the settings file and of the "style" folder.
inline const QString& exe_dir() { return ExeDir(); }

}  // namespace tavro
