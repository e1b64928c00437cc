#include "app/dispatch/exit_program.h"

#include <QWidget>

#include "widgets/main_window_handles.h"

namespace tavro {

void ExitProgram() {
  // The strip's caption lives on the main window, whichever build it is.
  ClickableLabel* exitCaption = MainWindow().strip_buttons[kExitButton];
  if (exitCaption != nullptr) exitCaption->window()->close();
}

}  // namespace tavro
