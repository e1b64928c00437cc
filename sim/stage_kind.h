#pragma once
#include <optional>
#include <string_view>

namespace tavro::sim {

// The three tables of the line: 6 m and 4 m servo drives (Modbus RTU), the
// 2 m ASCII motion controller.
enum class StageKind { k6m, k4m, k2m };

std::string_view StageKindName(StageKind kind);  // "6m", "4m", "2m"
std::optional<StageKind> ParseStageKind(std::string_view name);
double StageTravelMm(StageKind kind);             // 6000, 4000, 2000

}  // namespace tavro::sim
