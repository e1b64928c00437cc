#pragma once
// The "Reset" and "Research" buttons: with the Modbus link open, 1 is
// written to register 4295 (restart) or 4339 (search the echo anew) at the
// address of `id_field`. The answer is not examined; with the link closed
// nothing happens.
namespace tavro {

void SendResetCommand();
void SendResearchCommand();

}  // namespace tavro
