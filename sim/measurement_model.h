#pragma once
// The transmitter's arithmetic, as pure functions of its registers: raw count
// to distance, distance to percent and loop current, current to DAC code and,
// through the unit's true transfer, DAC code to the current on the wire.
#include <cstdint>

#include "link/live_readings.h"
#include "sim/transmitter_unit.h"

namespace tavro::sim {

inline constexpr double kMinOutputMa = 3.8;
inline constexpr double kMaxOutputMa = 20.5;

// Noise-free raw count at target distance d (mm).
double RawCount(const TransmitterUnit& unit, double distanceMm);

// Distance (mm) for a raw count: piecewise linear through the calibration
// table when it holds at least two points (entries with count and distance
// both nonzero; extrapolated beyond its ends), otherwise the two-point result
// Low Position + (raw - Low Count) x Span Value.
double CalibratedDistance(const RegisterImage& regs, double raw);

// 0 % at "Max Level" (near), 100 % at "Min Level" (far), clamped to 0-100.
double DistancePercent(const RegisterImage& regs, double distanceMm);

// Loop current for a distance on output 0 or 1: "4~20mA" gives 4 mA at Min
// Level and 20 mA at Max Level, "20~4mA" the reverse; clamped to 3.8-20.5 mA.
double LevelCurrent(const RegisterImage& regs, int output, double distanceMm);

// Any of 4272-4274 nonzero: the outputs carry the forced currents.
bool InCurrentCalibration(const RegisterImage& regs);

// DAC code for a wanted current on an output, through the DAC registers
// (4 mA code and 20 mA code), clamped to 16 bits.
uint16_t DacCode(const RegisterImage& regs, int output, double currentMa);

// The true current that a DAC code drives (mA), before ripple.
double DacOutputMa(const TransmitterUnit& unit, int output, uint16_t code);

// "Display" of an output by its "Display Context" and "Unit".
double DisplayValue(const RegisterImage& regs, int output, double distanceMm, double percent,
                    double currentMa);

}  // namespace tavro::sim
