#include "connection/probe.h"

#include "connection/link_objects.h"
#include "connection/slave_address.h"
#include "link/message_box.h"
#include "link/register_map.h"

namespace tavro {

bool ProbeTransmitter() {
  if (transmitterLink().ReadRegisters(SlaveAddress(), reg::kProbeFirst, reg::kProbeCount) != 0) {
    return true;
  }
  ShowMessage("連線失敗");
  return false;
}

}  // namespace tavro
