#pragma once
// The transmitter's lines, program-wide objects that live for the whole run
// and start closed. The Modbus link is opened and closed by the "Modbus"
// button (and by "Sync" when it reconnects); the HART modem port by the
// HART branch. Both sit on the line that `port_box` names, so only one of
// them is open at a time.
#include "link/modbus_master.h"
#include "link/serial_port.h"

namespace tavro {

ModbusMaster& transmitterLink();
SerialPort& hartModemPort();

}  // namespace tavro
