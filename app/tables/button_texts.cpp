#include "app/tables/button_texts.h"

namespace tavro {

const std::array<std::string_view, kCommandButtonCount> button_captions{
    "Initial", "ORG", "Connect", "Auto Test", "Move To", "Calibration", "Write", "Clear",
    "Auto", "Calibration", "Verify", "懶人按鈕", "產品日期及序號寫入", "Get ADC", "Original",
    "Get ADC", "Original", "Get ADC", "Original", "Excel Save", "Monitor", "Reset", "Research",
};

}  // namespace tavro
