#include "connection/transmitter_commands.h"

#include <cstdint>

#include "connection/link_objects.h"
#include "connection/slave_address.h"
#include "link/register_map.h"

namespace tavro {
namespace {

void SendCommand(uint16_t reg) {
  ModbusMaster& link = transmitterLink();
  if (!link.IsOpen()) return;
  link.WriteRegister(SlaveAddress(), reg, 1);
}

}  // namespace

void SendResetCommand() { SendCommand(reg::resetCommand); }
void SendResearchCommand() { SendCommand(reg::researchCommand); }

}  // namespace tavro
