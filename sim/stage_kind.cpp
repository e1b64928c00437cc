#include "sim/stage_kind.h"

namespace tavro::sim {

std::string_view StageKindName(StageKind kind) {
  switch (kind) {
    case StageKind::k4m: return "4m";
    case StageKind::k2m: return "2m";
    default: return "6m";
  }
}

std::optional<StageKind> ParseStageKind(std::string_view name) {
  if (name == "6m") return StageKind::k6m;
  if (name == "4m") return StageKind::k4m;
  if (name == "2m") return StageKind::k2m;
  return std::nullopt;
}

double StageTravelMm(StageKind kind) {
  switch (kind) {
    case StageKind::k4m: return 4000.0;
    case StageKind::k2m: return 2000.0;
    default: return 6000.0;
  }
}

}  // namespace tavro::sim
