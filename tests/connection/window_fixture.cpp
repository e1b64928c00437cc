#include "tests/connection/window_fixture.h"

#include <QComboBox>
#include <QCoreApplication>

#include "app/dispatch/operations.h"
#include "app/shell/globals.h"
#include "connection/hart_branch.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/write_parameters.h"
#include "link/clock.h"
#include "link/live_readings.h"
#include "link/port_names.h"
#include "link/wait.h"
#include "widgets/fonts.h"
#include "widgets/skin.h"

namespace tavro::test {

void ResetProgramState() {
  engineering_mode = false;
  transmitterLink().Close();
  hartModemPort().Close();
  liveReadings() = LiveReadings{};
  pendingParameters() = PendingParameters{};
  modbusSyncActive = false;
  commSettingsChanged = false;
  hartMonitorStopped = true;
  consecutiveFailures = 0;
  programExiting = false;
  hartBranch() = HartBranch{};
  // The window's own wiring: the tests click the strip and the buttons.
  operations() = WiredOperations();
  ClearPortNames();
}

void Click(StripButton button) {
  ClickableLabel* caption = MainWindow().strip_buttons[button];
  ASSERT_NE(caption, nullptr);
  caption->click();
}

void ClickButton(int button) { Button(button).caption->click(); }

void Pick(int choice, int index) {
  QComboBox* combo = Choice(choice).combo;
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void ConnectionWindowTest::SetUp() {
  InstallFonts();
  ResetProgramState();
  exeDir = std::make_unique<ScratchExeDir>();
  messages = std::make_unique<MessageCapture>();
  SetProgressStep([] { StepProgressBar(); });
  clock::SetTimeScale(timeScale);
}

void ConnectionWindowTest::TearDown() {
  // A loop that a failed assertion left running would hold the stack.
  modbusSyncActive = false;
  form.reset();
  clock::SetTimeScale(1.0);
  SetProgressStep(nullptr);
  messages.reset();
  exeDir.reset();
  ResetProgramState();
}

void ConnectionWindowTest::Build(bool engineering) {
  engineering_mode = engineering;
  form = std::make_unique<TForm1>();
  form->FormCreate();
  form->show();
}

}  // namespace tavro::test
