#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/dispatch/operations.h"
#include "app/shell/globals.h"
#include "link/live_readings.h"
#include "link/port_names.h"
#include "procedures/stage_settings.h"
#include "widgets/fonts.h"
#include "widgets/skin.h"

namespace tavro::test {

void ResetProgramState() {
  engineering_mode = false;
  travel_limit = 6000.0f;
  motor_offset = 0;
  liveReadings() = LiveReadings{};
  operations() = WiredOperations();
  ClearPortNames();
}

void SendKey(QWidget* widget, bool press, int key, Qt::KeyboardModifiers modifiers,
             const QString& text) {
  QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &event);
}

void Pick(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void MainWindowTest::SetUp() {
  InstallFonts();
  ResetProgramState();
  exeDir = std::make_unique<ScratchExeDir>();
  messages = std::make_unique<MessageCapture>();
}

void MainWindowTest::TearDown() {
  form.reset();
  messages.reset();
  exeDir.reset();
  ResetProgramState();
}

void MainWindowTest::Build(bool engineering) {
  engineering_mode = engineering;
  form = std::make_unique<TForm1>();
  form->FormCreate();
  form->show();
}

void MainWindowTest::Destroy() { form.reset(); }

}  // namespace tavro::test
