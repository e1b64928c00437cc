#include "connection/modbus_link.h"

#include "connection/field_locking.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/modbus_monitor.h"
#include "connection/probe.h"
#include "connection/strip_buttons.h"
#include "widgets/conversion.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

constexpr uint8_t kDataBits = 8;
constexpr uint8_t kNoParity = 0;
constexpr uint8_t kOneStopBit = 0;

QString ComboText(const QComboBox* box) { return box != nullptr ? box->currentText() : QString(); }

void Disconnect() {
  modbusSyncActive = false;
  transmitterLink().Close();
  SetStripCaption(kModbusButton, kCaptionModbus);
  SetStripCaption(kSyncButton, kCaptionSync);
  EnableStripButton(kHartButton, true);
  UnlockParameterFields();
}

// False (the port closed again) when nobody answers.
bool OpenAndProbe() {
  const MainWindowHandles& window = MainWindow();
  const std::string port = ComboText(window.port_box).toStdString();
  const int32_t baud = StrToInt(ComboText(window.baud_box));
  ModbusMaster& link = transmitterLink();
  if (!link.Open(port, static_cast<uint32_t>(baud), kDataBits, kNoParity, kOneStopBit)) return false;
  bool answered = false;
  try {
    answered = ProbeTransmitter();
  } catch (...) {
    // An "ID" that does not convert: the error is shown above us, and the
    // port must not stay open behind captions that read "Modbus".
    link.Close();
    throw;
  }
  if (!answered) link.Close();
  return answered;
}

}  // namespace

void ToggleModbusLink() {
  if (transmitterLink().IsOpen()) {
    Disconnect();
    return;
  }
  if (!OpenAndProbe()) return;
  modbusSyncActive = true;
  LockParameterFields();
  SetStripCaption(kModbusButton, kCaptionStop);
  SetStripCaption(kSyncButton, kCaptionStopSync);
  EnableStripButton(kHartButton, false);
  RunModbusMonitor();
}

}  // namespace tavro
