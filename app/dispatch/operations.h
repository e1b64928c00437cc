#pragma once
// The operations the main window's buttons, timers and strip start. Each
// subsystem plugs its operations in here (wire_operations.cpp); an entry
// that is not plugged in is an operation not built yet, and its button does
// nothing at all: no caption changes, nothing starts.
#include <functional>

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace tavro {

using Operation = std::function<void()>;
// Operations that run on, or switch on, one of the window's timers.
using TimerOperation = std::function<void(QTimer& timer)>;
// Operations of one echo row (0, 1, 2).
using RowOperation = std::function<void(int row)>;

struct Operations {
  // Motion stage: buttons 0-4 and Enter in "Move To".
  Operation stage_initial;
  Operation stage_origin;
  Operation stage_connect;
  TimerOperation stage_auto_test;  // gets Timer4 for the stage kind that steps by timer
  Operation stage_move_to;

  // Distance calibration: buttons 5-8; the one-button run of button 11.
  Operation two_point_calibration;
  Operation write_calibration_point;
  Operation clear_calibration_table;
  std::function<void(bool oneButtonRun)> auto_calibration;

  Operation current_calibration;  // button 9
  Operation qc_verify;            // button 10
  Operation write_product_data;   // button 12

  // Echo curve: buttons 13-18 by row, monitor button 20.
  std::function<void(int row, QTimer& timer2)> get_adc;  // switches Timer2 on once the port is open
  RowOperation cycle_echo_view;
  TimerOperation echo_monitor;  // gets Timer5

  // Single-register commands to the transmitter: buttons 21, 22.
  Operation reset_transmitter;
  Operation research_transmitter;

  // Timer ticks; each handler switches its own timer off.
  TimerOperation timer1_tick;  // echo data export (started by "Excel Save")
  TimerOperation timer2_tick;  // echo acquisition
  TimerOperation timer4_tick;  // stepped stage run
  TimerOperation timer5_tick;  // monitor log

  // Change of a field's text, for fields other than "Probe Length".
  std::function<void(int field)> field_changed;

  // Title strip.
  Operation hart_link;
  Operation modbus_link;
  Operation sync;
  Operation exit_program;

  // Run when the window is built: clears the link state that keeps a live
  // monitor running.
  Operation reset_link_state;
};

// The operations of this build of the tool.
Operations& operations();

// The wiring of the subsystems that exist (wire_operations.cpp).
Operations WiredOperations();

}  // namespace tavro
