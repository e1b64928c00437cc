#include "connection/monitor_display.h"

#include <string_view>

#include "connection/cp950.h"
#include "connection/display_formats.h"
#include "connection/window_controls.h"
#include "widgets/main_window_handles.h"

namespace tavro {

void ShowProductTexts(const LiveReadings& r) {
  SetFieldText(kProductNameField, DecodeCp950(std::string_view(r.productText1, sizeof r.productText1)));
  SetFieldText(kProductModelField, DecodeCp950(std::string_view(r.productText2, sizeof r.productText2)));
  SetFieldText(kInspectionDateField, DecodeCp950(std::string_view(r.productText3, sizeof r.productText3)));
}

void ShowGauges(const LiveReadings& r) {
  for (int output = 0; output < 2; ++output) {
    if (BarGauge* gauge = MainWindow().gauges.at(static_cast<size_t>(output))) {
      gauge->setProgress(GaugeProgress(r.distancePercent[output]));
    }
  }
}

}  // namespace tavro
