#include "procedures/stage_settings.h"

namespace tavro {

float travel_limit = 6000.0f;
int32_t motor_offset = 0;

}  // namespace tavro
