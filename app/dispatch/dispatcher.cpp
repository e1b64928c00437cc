#include "app/dispatch/dispatcher.h"

#include <QTimer>

#include "app/dispatch/operations.h"
#include "app/rules/material_rule.h"
#include "app/rules/probe_length_rule.h"
#include "app/rules/table_type_rule.h"
#include "procedures/stage_settings.h"
#include "widgets/conversion.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

constexpr int kMotorOffsetField = 53;
const QString kRunning = QStringLiteral("Running....");

void Run(const Operation& op) {
  if (op) op();
}

QString CaptionOf(int button) { return Button(button).caption->text(); }
void SetCaption(int button, const QString& text) { Button(button).caption->setText(text); }

void DisableButtons(int first, int last) {
  for (int k = first; k <= last; ++k) Button(k).caption->setEnabled(false);
}

// Button 11 starts the automatic calibration in one-button mode; a second
// click restores the captions that the running procedures watch, and they
// stop at their next check.
void OneButtonRun() {
  const auto& autoCalibration = operations().auto_calibration;
  if (!autoCalibration) return;
  if (CaptionOf(11) != kRunning) {
    SetCaption(11, kRunning);
    DisableButtons(13, 19);
    autoCalibration(true);
  } else {
    SetCaption(8, QStringLiteral("Auto"));
    SetCaption(9, QStringLiteral("Calibration"));
    SetCaption(10, QStringLiteral("Verify"));
    SetCaption(11, QStringLiteral("懶人按鈕"));
  }
}

// Button 19: the export runs in Timer1's tick.
void ExcelSave(QTimer& timer1) {
  if (!operations().timer1_tick) return;
  timer1.start();
  SetCaption(19, QStringLiteral("....."));
  DisableButtons(13, 20);
}

}  // namespace

void DispatchButton(int tag, const FormTimers& timers) {
  Operations& ops = operations();
  switch (tag) {
    case 0: Run(ops.stage_initial); break;
    case 1: Run(ops.stage_origin); break;
    case 2:
      motor_offset = StrToInt(Field(kMotorOffsetField).text());
      Run(ops.stage_connect);
      break;
    case 3:
      if (ops.stage_auto_test) ops.stage_auto_test(*timers.timer4);
      break;
    case 4: Run(ops.stage_move_to); break;
    case 5: Run(ops.two_point_calibration); break;
    case 6: Run(ops.write_calibration_point); break;
    case 7: Run(ops.clear_calibration_table); break;
    case 8:
      if (ops.auto_calibration) ops.auto_calibration(false);
      break;
    case 9: Run(ops.current_calibration); break;
    case 10: Run(ops.qc_verify); break;
    case 11: OneButtonRun(); break;
    case 12: Run(ops.write_product_data); break;
    case 13:
    case 15:
    case 17:
      if (ops.get_adc) ops.get_adc((tag - 13) / 2, *timers.timer2);
      break;
    case 14:
    case 16:
    case 18:
      if (ops.cycle_echo_view) ops.cycle_echo_view((tag - 14) / 2);
      break;
    case 19: ExcelSave(*timers.timer1); break;
    case 20:
      if (ops.echo_monitor) ops.echo_monitor(*timers.timer5);
      break;
    case 21: Run(ops.reset_transmitter); break;
    case 22: Run(ops.research_transmitter); break;
    default: break;
  }
}

void DispatchChoiceChange(int choice) {
  if (choice == 9) ApplyMaterial();
  if (choice == 15) ApplyTableType();
}

void DispatchFieldChange(int field) {
  if (field == kProbeLengthField) {
    ApplyProbeLength();
    return;
  }
  if (operations().field_changed) operations().field_changed(field);
}

void StartMoveTo() { Run(operations().stage_move_to); }

}  // namespace tavro
