#pragma once
// The running main window's controls, as the operations of every subsystem
// address them: field k, choice k, button k, the log box, the strip. TForm1
// fills these when it builds the window and clears them when it is torn down.
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <array>

#include "widgets/bar_gauge.h"
#include "widgets/clickable_label.h"
#include "widgets/vx_combobox.h"
#include "widgets/vx_edit.h"
#include "widgets/vx_ellipse_button.h"
#include "widgets/vx_richedit.h"

QT_BEGIN_NAMESPACE
class QChart;
class QLineSeries;
QT_END_NAMESPACE

namespace tavro {

inline constexpr int kFieldCount = 86;
inline constexpr int kChoiceCount = 20;
inline constexpr int kButtonCount = 23;

enum StripButton { kHartButton = 0, kModbusButton = 1, kSyncButton = 2, kExitButton = 3 };

struct MainWindowHandles {
  std::array<vx_edit*, kFieldCount> param_fields{};
  std::array<vx_combobox*, kChoiceCount> param_choices{};
  std::array<vx_ellipse_button*, kButtonCount> command_buttons{};
  vx_richedit* log_box = nullptr;
  QProgressBar* progress_bar = nullptr;
  QLineEdit* id_field = nullptr;
  QComboBox* baud_box = nullptr;
  QComboBox* port_box = nullptr;
  std::array<ClickableLabel*, 4> strip_buttons{};  // captions "Hart", "Modbus", "Sync", "Exit"
  std::array<BarGauge*, 2> gauges{};
  QChart* echo_chart = nullptr;
  std::array<QLineSeries*, 3> echo_series{};
  std::array<QLineSeries*, 4> echo_marks{};  // rectangle outlines
};

// The handles of the running main window.
MainWindowHandles& MainWindow();

// Shorthands used by the operations.
inline vx_edit& Field(int k) { return *MainWindow().param_fields.at(k); }
inline vx_combobox& Choice(int k) { return *MainWindow().param_choices.at(k); }
inline vx_ellipse_button& Button(int k) { return *MainWindow().command_buttons.at(k); }

// Appends a line to the log box (no-op while no window is built).
void LogLine(const QString& line);
// Advances the progress bar by one, back to its minimum at its maximum.
void StepProgressBar();

}  // namespace tavro
