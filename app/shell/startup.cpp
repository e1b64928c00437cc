#include "app/shell/startup.h"

#include <QApplication>

#include "app/shell/modal_message.h"
#include "link/message_box.h"
#include "link/wait.h"
#include "widgets/fonts.h"
#include "widgets/main_window_handles.h"

namespace tavro {

void InstallApplicationHooks() {
  InstallFonts();
  SetMessageHandler(ShowModalMessage);
  SetEventPump([] { QCoreApplication::processEvents(); });
  SetProgressStep([] { StepProgressBar(); });
}

}  // namespace tavro
