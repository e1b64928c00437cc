#pragma once
// Settings of the motion stage that the window sets and the motion
// operations read.
#include <cstdint>

namespace tavro {

// The longest distance the target may be moved, in millimetres: 6000, 4000
// or 2000 by the "Table Type" choice.
extern float travel_limit;

// Offset of the stage's zero from the probe's reference, in millimetres;
// taken from the "Motor Offset" field when the stage is connected.
extern int32_t motor_offset;

}  // namespace tavro
