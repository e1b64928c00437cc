#pragma once
// The "Sync" button: switches the connected link between monitoring
// ("Stop Sync") and editing ("Sync").
//
// Modbus ("Modbus" reads "Stop"): editing -> monitoring writes the page
// (WriteParameters) and, when the block was written and the communication
// settings stay, runs the live monitor inside this call. A write that fails
// or finds nothing changed closes the link (captions "Modbus" and "Sync",
// the page stays locked); when the written block changed "Modbus ID" or
// "Modbus Baudrate", the strip takes the new address and rate and connects
// again.
// Monitoring -> editing unlocks the page; the loop ends after its pass.
//
// HART ("Hart" reads "Stop"): the HART branch's. Neither link: nothing.
namespace tavro {

void ToggleSync();

}  // namespace tavro
