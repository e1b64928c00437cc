#pragma once
// A scratch folder stands in for the executable's folder: it links to the
// real skin beside the test binary and receives the settings file.
#include <QComboBox>
#include <QString>
#include <memory>

#include <gtest/gtest.h>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

#include "app/main_window/tform1.h"
#include "tests/support/message_capture.h"
#include "tests/support/scratch_exe_dir.h"

namespace tavro::test {

// Resets the program-wide state the windows change.
void ResetProgramState();

// Sends one key event as the keyboard would, without QTest's extra
// modifier presses.
void SendKey(QWidget* widget, bool press, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString());

// The operator picks item `index` of a combo box.
void Pick(QComboBox* combo, int index);

// A main window built in the layout of `engineering`, shown offscreen.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Build(bool engineering = false);
  // FormDestroy (saving the settings) and a fresh window.
  void Destroy();

  std::unique_ptr<ScratchExeDir> exeDir;
  std::unique_ptr<MessageCapture> messages;
  std::unique_ptr<TForm1> form;
};

}  // namespace tavro::test
