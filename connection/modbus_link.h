#pragma once
// The "Modbus" button. Connected (the link is open): disconnect — monitoring
// stops at the end of its current pass, the port closes, the panel returns to
// idle. Otherwise connect: open the port of `port_box` at the rate of
// `baud_box`, 8-N-1, probe the transmitter, lock the parameter page and run
// the live monitor inside this call until monitoring ends. Also used by the
// echo acquisition to free the line and by "Sync" to reconnect.
namespace tavro {

void ToggleModbusLink();

}  // namespace tavro
