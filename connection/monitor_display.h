#pragma once
// What only the Modbus live monitor shows: the product texts (once per start
// of the loop) and the two level gauges.
#include "link/live_readings.h"

namespace tavro {

inline constexpr int kProductNameField = 70;   // "產品名稱", productText1
inline constexpr int kInspectedCountField = 71;  // "檢驗數量"
inline constexpr int kInspectionDateField = 72;  // "檢驗日期", productText3
inline constexpr int kProductModelField = 73;  // "產品型號", productText2

void ShowProductTexts(const LiveReadings& readings);
void ShowGauges(const LiveReadings& readings);

}  // namespace tavro
