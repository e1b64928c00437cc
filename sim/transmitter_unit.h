#pragma once
// What makes one transmitter differ from the next on the line: its true raw
// count per millimetre and its own DAC transfer. The factory registers hold
// the nominal values, so an uncalibrated unit is a few millimetres and a few
// tenths of a milliampere off, as on the line.
namespace tavro::sim {

// DAC design: one count is 0.42 uA nominal (16 bits over 27.5 mA). The
// factory 4 mA and 20 mA codes assume exactly that and no offset.
inline constexpr double kNominalDacMaPerCount = 0.00042;

struct TransmitterUnit {
  double countsPerMm = 1.1037;    // raw "Peak1 Count" per mm of target distance
  double countOffset = 14.2;      // raw count at the reference point
  double countNoise = 0.25;       // standard deviation of one raw reading, counts
  double dacMaPerCount[2] = {0.000428, 0.000433};  // true transfer of outputs 1 and 2
  double dacOffsetMa[2] = {-0.231, -0.188};        // true current at code 0
  double loopNoiseMa = 0.00003;   // ripple of the true loop current (standard deviation)
};

}  // namespace tavro::sim
