#pragma once
// The link state that the Modbus and the HART branches share. Used on the
// user-interface thread only; the HART monitor thread reads none of it.
// The strip's captions are the rest of the state ("Stop" on the connected
// link's button, "Stop Sync" while monitoring, "Sync" while editing).
namespace tavro {

// The Modbus live monitor keeps running while this is true; it tests it
// once per pass.
extern bool modbusSyncActive;
// Set by the parameter write when "Modbus ID" or "Modbus Baudrate" is among
// the changed values: the link must reconnect with the new settings.
extern bool commSettingsChanged;
// True while no HART monitor thread is meant to run (true at start).
extern bool hartMonitorStopped;
// Failed transmitter requests in a row, shared by the live monitor and the
// parameter write; three end the operation and close the link.
extern unsigned consecutiveFailures;
// "Exit" was pressed: a monitor loop still on the stack returns at once
// instead of finishing its pass.
extern bool programExiting;

// Run whenever the main window is built. The new window shows an idle
// panel, so no monitor loop may keep running and the Modbus link is closed
// to match its captions; a loop still inside a wait finds its requests
// failing and ends at its next test.
void ResetLinkStateForNewWindow();

}  // namespace tavro
