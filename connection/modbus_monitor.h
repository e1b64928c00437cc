#pragma once
// The Modbus live monitor: a loop on the user-interface thread, inside the
// click handler that started it, that polls the transmitter about every
// three seconds while `modbusSyncActive` holds. A pass reads the measurement
// block (78 registers from 4128) and waits 1000 ms, reads the configuration
// block in requests of 64, 64 and 6 registers from 4206 with a 200 ms wait
// after each, then shows everything: product texts (first pass only), the
// display refresh, the gauges, one step of the progress bar. The waits pump
// events, so the strip's buttons act on the loop through the link state; a
// "Sync" that restarts monitoring during a wait runs a new loop nested in
// that wait. Every failed request counts; the pass after three in a row
// shows "Reading Error", closes the link and ends.
namespace tavro {

void RunModbusMonitor();

}  // namespace tavro
