#include "app/rules/table_type_rule.h"

#include <array>

#include "procedures/stage_settings.h"
#include "widgets/main_window_handles.h"

namespace tavro {

float TravelLimitFor(int tableTypeIndex, float current) {
  constexpr std::array<float, 3> kLimits{6000.0f, 4000.0f, 2000.0f};
  if (tableTypeIndex < 0 || tableTypeIndex >= static_cast<int>(kLimits.size())) return current;
  return kLimits[static_cast<size_t>(tableTypeIndex)];
}

void ApplyTableType() {
  travel_limit = TravelLimitFor(Choice(15).combo->currentIndex(), travel_limit);
}

}  // namespace tavro
