#include "connection/display_refresh.h"

namespace tavro {

void RefreshDisplay(const LiveReadings& readings) {
  ShowLiveHalf(readings);
  ShowParameterHalf(readings);
}

}  // namespace tavro
