#include "connection/exit_program.h"

#include <QWidget>

#include "connection/hart_branch.h"
#include "connection/link_state.h"
#include "widgets/main_window_handles.h"

namespace tavro {

void ExitProgram() {
  if (!hartMonitorStopped && hartBranch().releaseMonitorOnExit) {
    hartBranch().releaseMonitorOnExit();
  }
  modbusSyncActive = false;
  programExiting = true;
  // Closing only hides the window: a monitor loop may still be on the stack
  // below this handler, and the window is destroyed after it has returned.
  if (ClickableLabel* exitCaption = MainWindow().strip_buttons[kExitButton]) {
    exitCaption->window()->close();
  }
}

}  // namespace tavro
