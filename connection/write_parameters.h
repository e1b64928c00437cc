#pragma once
// The parameter write. Builds the pending image from the parameter page
// (showing the automatic trigger level when "Material" or a dielectric class
// changed) and decides whether anything differs. With the HART modem port
// open it only reports that (the HART branch sends the image); otherwise it
// writes the 94-register block from 4206 over Modbus at the address of
// `id_field`, up to three attempts counted with the live monitor's failures.
// Returns true when the block was written (HART: when something differs);
// false when nothing differed, the Modbus port is closed ("Modbus open
// fail!!") or the writes failed ("寫入失敗", the link closed).
#include "link/live_readings.h"

namespace tavro {

bool WriteParameters();

// The image the last WriteParameters built.
PendingParameters& pendingParameters();

}  // namespace tavro
