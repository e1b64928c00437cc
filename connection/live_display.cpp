// The live half of the display refresh: the reading rows of both outputs,
// the data monitor and the ADC peaks.
#include <string_view>

#include "connection/cp950.h"
#include "connection/display_formats.h"
#include "connection/display_refresh.h"
#include "connection/window_controls.h"

namespace tavro {
namespace {

// Field of row 0 of each output column; the rows follow one by one.
constexpr int kOutputColumn[2] = {0, 9};
constexpr int kFirmwareField = 26;
constexpr int kTemperatureField = 27;
constexpr int kBgShiftXField = 28;
constexpr int kBgShiftYField = 29;
constexpr int kBgSaveCountField = 30;
constexpr int kDelta22HzField = 31;
constexpr int kAdcPositionColumn = 18;  // adcPeak[0..3]
constexpr int kAdcValueColumn = 22;     // adcPeak[4..7]

void ShowOutput(const LiveReadings& r, int output) {
  const int field = kOutputColumn[output];
  SetFieldText(field + 0, TwoDecimals(r.display[output]));
  SetFieldText(field + 1, TwoDecimals(r.distance[output]));
  SetFieldText(field + 2, TwoDecimals(r.distancePercent[output]));
  SetFieldText(field + 3, TwoDecimals(r.outputCurrent[output]));
  SetFieldText(field + 4, TwoDecimals(r.peak1Count[output]));
  SetFieldText(field + 5, TwoDecimals(r.distanceMax(output)));
  SetFieldText(field + 6, TwoDecimals(r.distanceMin(output)));
  SetFieldText(field + 7, TwoDecimals(r.triggerLevel[output]));
  SetFieldText(field + 8, TwoDecimals(r.bgTriggerLevel[output]));
}

}  // namespace

void ShowLiveHalf(const LiveReadings& r) {
  ShowOutput(r, 0);
  ShowOutput(r, 1);
  SetFieldText(kFirmwareField,
               DecodeCp950(std::string_view(r.firmwareVersion, sizeof r.firmwareVersion)));
  SetFieldText(kTemperatureField, TwoDecimals(r.temperature));
  SetFieldText(kBgShiftXField, General(r.bgShiftX));
  SetFieldText(kBgShiftYField, General(r.bgShiftY));
  SetFieldText(kBgSaveCountField, General(r.bgSaveCount));
  SetFieldText(kDelta22HzField, General(r.delta22Hz));
  for (int i = 0; i < 4; ++i) {
    SetFieldText(kAdcPositionColumn + i, General(r.adcPeak[i]));
    SetFieldText(kAdcValueColumn + i, General(r.adcPeak[4 + i]));
  }
}

}  // namespace tavro
