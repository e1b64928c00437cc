#include "widgets/main_window_handles.h"

namespace tavro {

MainWindowHandles& MainWindow() {
  static MainWindowHandles handles;
  return handles;
}

void LogLine(const QString& line) {
  if (vx_richedit* box = MainWindow().log_box) box->addLine(line);
}

void StepProgressBar() {
  QProgressBar* bar = MainWindow().progress_bar;
  if (bar == nullptr) return;
  bar->setValue(bar->value() >= bar->maximum() ? bar->minimum() : bar->value() + 1);
}

}  // namespace tavro
