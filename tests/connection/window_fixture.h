#pragma once
// The real main window offscreen for the connection tests. A scratch folder
// stands in for the executable's folder (it links to the skin beside the test
// binary and receives the settings file); modal messages are captured; the
// event pump of the waits runs the operator's script.
#include <QString>
#include <memory>

#include <gtest/gtest.h>

#include "app/main_window/tform1.h"
#include "tests/connection/operator_script.h"
#include "tests/support/message_capture.h"
#include "tests/support/scratch_exe_dir.h"
#include "widgets/main_window_handles.h"

namespace tavro::test {

// The program-wide state the connection and the window change, as at start.
void ResetProgramState();

// The operator's actions, through the window's own handlers.
void Click(StripButton button);
void ClickButton(int button);
void Pick(int choice, int index);  // an operator's pick (runs the choice rules)

class ConnectionWindowTest : public ::testing::Test {
 protected:
  // Waits of the live monitor run this much faster (the serial time-outs
  // never scale). Set before SetUp runs, in the test's constructor.
  double timeScale = 0.05;

  void SetUp() override;
  void TearDown() override;
  void Build(bool engineering = false);

  std::unique_ptr<ScratchExeDir> exeDir;
  std::unique_ptr<MessageCapture> messages;
  std::unique_ptr<TForm1> form;
  OperatorScript script;
};

}  // namespace tavro::test
