#include "connection/write_parameters.h"

#include <array>

#include "connection/display_formats.h"
#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "connection/parameter_page.h"
#include "connection/pending_parameters.h"
#include "connection/slave_address.h"
#include "connection/strip_buttons.h"
#include "connection/window_controls.h"
#include "link/message_box.h"
#include "link/register_map.h"

namespace tavro {
namespace {

constexpr int kTriggerLevelField = 36;
constexpr unsigned kGiveUpAfter = 3;

bool WriteBlock(const PendingParameters& pending) {
  std::array<uint16_t, reg::kParameterBlockCount> words{};
  pending.CopyOut(reg::kParameterBlockFirst, reg::kParameterBlockCount,
                  reinterpret_cast<uint8_t*>(words.data()));
  ModbusMaster& link = transmitterLink();
  for (;;) {
    if (link.WriteRegisters(SlaveAddress(), reg::kParameterBlockFirst, reg::kParameterBlockCount,
                            words.data()) != 0) {
      return true;
    }
    if (++consecutiveFailures >= kGiveUpAfter) break;
  }
  link.Close();
  SetStripCaption(kModbusButton, kCaptionModbus);
  ShowMessage("寫入失敗");
  return false;
}

}  // namespace

PendingParameters& pendingParameters() {
  alignas(8) static PendingParameters pending{};
  return pending;
}

bool WriteParameters() {
  const PendingWrite write = BuildPendingParameters(liveReadings(), ReadParameterPage());
  if (write.automaticTriggerLevel) {
    SetFieldText(kTriggerLevelField, Unsigned(*write.automaticTriggerLevel));
  }
  pendingParameters() = write.image;
  commSettingsChanged = write.commSettingsChanged;

  if (hartModemPort().IsOpen()) return write.changed;
  if (!transmitterLink().IsOpen()) {
    ShowMessage("Modbus open fail!!");
    return false;
  }
  if (!write.changed) return false;
  return WriteBlock(pendingParameters());
}

}  // namespace tavro
