#include "connection/sync.h"

#include "connection/field_locking.h"
#include "connection/hart_branch.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/modbus_link.h"
#include "connection/modbus_monitor.h"
#include "connection/parameter_choices.h"
#include "connection/strip_buttons.h"
#include "connection/window_controls.h"
#include "connection/write_parameters.h"
#include "link/enum_lists.h"
#include "widgets/conversion.h"

namespace tavro {
namespace {

constexpr int kModbusIdField = 32;

void BackToEditing() {
  UnlockParameterFields();
  modbusSyncActive = false;
  SetStripCaption(kSyncButton, kCaptionSync);
}

// The strip takes the address and rate just written, then connects again.
void ReconnectWithNewSettings() {
  MainWindowHandles& window = MainWindow();
  const int baud = ChoiceIndex(kModbusBaudrateChoice);
  // Without a listed rate on the page the rate was not written: the strip
  // keeps the one the link used.
  if (window.baud_box != nullptr && baud >= 0 &&
      baud < static_cast<int>(enums::kModbusBaudRates.size())) {
    window.baud_box->setCurrentIndex(baud);
  }
  const int32_t id = StrToInt(FieldText(kModbusIdField));
  if (window.id_field != nullptr) window.id_field->setText(QString::number(id));
  ToggleModbusLink();
}

void StartMonitoring() {
  modbusSyncActive = true;
  SetStripCaption(kSyncButton, kCaptionStopSync);
  LockParameterFields();
  bool written = false;
  try {
    written = WriteParameters();
  } catch (...) {
    // A field that does not convert: nothing was sent; the operator gets
    // the page back to correct it (the error is shown above us).
    BackToEditing();
    throw;
  }
  if (written && !commSettingsChanged) {
    RunModbusMonitor();
    return;
  }
  modbusSyncActive = false;
  transmitterLink().Close();
  SetStripCaption(kModbusButton, kCaptionModbus);
  SetStripCaption(kSyncButton, kCaptionSync);
  // Only settings the transmitter took: after a failed write it still
  // answers at the old address and rate, and the strip keeps them.
  if (written && commSettingsChanged) ReconnectWithNewSettings();
}

void ToggleSyncModbus() {
  if (StripCaption(kSyncButton) == kCaptionSync) {
    StartMonitoring();
  } else {
    BackToEditing();
  }
}

}  // namespace

void ToggleSync() {
  if (StripCaption(kModbusButton) == kCaptionStop) {
    ToggleSyncModbus();
  } else if (StripCaption(kHartButton) == kCaptionStop) {
    if (hartBranch().toggleSync) hartBranch().toggleSync();
  }
}

}  // namespace tavro
