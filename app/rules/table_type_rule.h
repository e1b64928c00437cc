#pragma once
// "Table Type" (choice 15) decides how far the target may travel: "6m",
// "4m", "2m" give 6000, 4000, 2000 mm; no selection keeps the limit.

namespace tavro {

// Travel limit for a "Table Type" index; `current` for no or an unknown one.
float TravelLimitFor(int tableTypeIndex, float current);

// Sets travel_limit from the running window's choice 15.
void ApplyTableType();

}  // namespace tavro
