#include "connection/display_formats.h"

#include <algorithm>
#include <cmath>

#include "link/enum_lists.h"
#include "widgets/number_format.h"

namespace tavro {

QString TwoDecimals(float value) { return FormatFloat(QStringLiteral("0.00"), value); }
QString FourDecimals(float value) { return FormatFloat(QStringLiteral("0.0000"), value); }
QString General(float value) { return FloatToStr(value); }
QString Unsigned(uint32_t value) { return QString::number(value); }

std::optional<int> BaudRateIndex(uint16_t rate) {
  const auto& rates = enums::kModbusBaudRates;
  const auto found = std::find(rates.begin(), rates.end(), rate);
  if (found == rates.end()) return std::nullopt;
  return static_cast<int>(found - rates.begin());
}

int FilterLevelIndex(uint16_t percent) { return percent / 10; }

int GaugeProgress(float distancePercent) {
  const double empty = 100.0 - static_cast<double>(distancePercent);
  if (std::isnan(empty)) return 0;
  // The gauge clamps to 0..100 itself; this only keeps the cast defined.
  return static_cast<int>(std::trunc(std::clamp(empty, -1.0e6, 1.0e6)));
}

}  // namespace tavro
