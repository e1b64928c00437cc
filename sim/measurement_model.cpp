#include "sim/measurement_model.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "link/register_map.h"

namespace tavro::sim {

double RawCount(const TransmitterUnit& unit, double distanceMm) {
  return unit.countOffset + unit.countsPerMm * distanceMm;
}

double CalibratedDistance(const RegisterImage& regs, double raw) {
  std::vector<std::pair<double, double>> points;  // (count, distance)
  for (int i = 0; i < reg::kCalibrationPoints; ++i) {
    const uint16_t count = regs.calPeakCount[i];
    const uint16_t distance = regs.calDistance[i];
    if (count != 0 && distance != 0) points.emplace_back(count, distance);
  }
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               points.end());
  if (points.size() >= 2) {
    size_t upper = 1;
    while (upper + 1 < points.size() && raw > points[upper].first) ++upper;
    const auto [c0, d0] = points[upper - 1];
    const auto [c1, d1] = points[upper];
    return d0 + (raw - c0) * (d1 - d0) / (c1 - c0);
  }
  const float lowCount = regs.lowCount;
  const float span = regs.spanValue;
  return regs.lowPosition + (raw - lowCount) * span;
}

double DistancePercent(const RegisterImage& regs, double distanceMm) {
  const double nearMm = regs.maxLevel;
  const double farMm = regs.minLevel;
  if (farMm == nearMm) return 0.0;
  return std::clamp((distanceMm - nearMm) / (farMm - nearMm) * 100.0, 0.0, 100.0);
}

double LevelCurrent(const RegisterImage& regs, int output, double distanceMm) {
  const double nearMm = regs.maxLevel;
  const double farMm = regs.minLevel;
  double fraction = farMm == nearMm ? 0.0 : (farMm - distanceMm) / (farMm - nearMm);
  if (regs.currentMode[output] == 1) fraction = 1.0 - fraction;  // "20~4mA"
  return std::clamp(4.0 + 16.0 * fraction, kMinOutputMa, kMaxOutputMa);
}

bool InCurrentCalibration(const RegisterImage& regs) {
  return regs.currentCalMode[0] != 0 || regs.currentCalMode[1] != 0 ||
         regs.currentCalMode[2] != 0;
}

uint16_t DacCode(const RegisterImage& regs, int output, double currentMa) {
  const double code4 = regs.dac[output * 2];
  const double code20 = regs.dac[output * 2 + 1];
  const double code = code4 + (currentMa - 4.0) * (code20 - code4) / 16.0;
  return static_cast<uint16_t>(std::clamp(std::lround(code), 0L, 65535L));
}

double DacOutputMa(const TransmitterUnit& unit, int output, uint16_t code) {
  return std::max(0.0, unit.dacOffsetMa[output] + unit.dacMaPerCount[output] * code);
}

double DisplayValue(const RegisterImage& regs, int output, double distanceMm, double percent,
                    double currentMa) {
  static constexpr double kMmPerUnit[] = {1000.0, 10.0, 1.0, 25.4, 304.8};  // m cm mm in. ft.
  const uint16_t unit = regs.unit;
  const double mmPerUnit = unit < 5 ? kMmPerUnit[unit] : 1.0;
  const float probeLength = regs.probeLength;
  switch (regs.displayContext[output]) {
    case 1: return percent;                                   // "Distance Percentage"
    case 2: return (probeLength - distanceMm) / mmPerUnit;    // "Filling Height"
    case 3: return 100.0 - percent;                           // "Height Percentage"
    case 4: return currentMa;                                 // "Current Output"
    default: return distanceMm / mmPerUnit;                   // "Distance"
  }
}

}  // namespace tavro::sim
