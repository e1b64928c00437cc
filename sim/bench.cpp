#include "sim/bench.h"

#include <algorithm>
#include <cmath>

namespace tavro::sim {

Bench::Bench(BenchConfig config) : config_(config), moveStart_(Clock::now()) {}

double Bench::PositionLocked(Clock::time_point now) const {
  const double elapsed = std::chrono::duration<double>(now - moveStart_).count();
  const double span = moveToMm_ - moveFromMm_;
  const double covered = std::max(0.0, elapsed) * config_.stageSpeedMmPerS;
  if (covered >= std::fabs(span)) return moveToMm_;
  return moveFromMm_ + std::copysign(covered, span);
}

double Bench::Clamp(double positionMm) const {
  return std::clamp(positionMm, -config_.offsetMm, config_.travelMm);
}

double Bench::TargetDistanceMm() const {
  std::lock_guard lock(mutex_);
  return PositionLocked(Clock::now()) + config_.offsetMm;
}

double Bench::StagePositionMm() const {
  std::lock_guard lock(mutex_);
  return PositionLocked(Clock::now());
}

double Bench::StageDestinationMm() const {
  std::lock_guard lock(mutex_);
  return moveToMm_;
}

bool Bench::StageMoving() const {
  std::lock_guard lock(mutex_);
  return PositionLocked(Clock::now()) != moveToMm_;
}

void Bench::MoveStageTo(double positionMm) {
  std::lock_guard lock(mutex_);
  const auto now = Clock::now();
  moveFromMm_ = PositionLocked(now);
  moveToMm_ = Clamp(positionMm);
  moveStart_ = now;
}

void Bench::StopStage() {
  std::lock_guard lock(mutex_);
  const auto now = Clock::now();
  moveFromMm_ = moveToMm_ = PositionLocked(now);
  moveStart_ = now;
}

void Bench::PlaceStageAt(double positionMm) {
  std::lock_guard lock(mutex_);
  moveFromMm_ = moveToMm_ = Clamp(positionMm);
  moveStart_ = Clock::now();
}

double Bench::OffsetMm() const {
  std::lock_guard lock(mutex_);
  return config_.offsetMm;
}

void Bench::SetOffsetMm(double mm) {
  std::lock_guard lock(mutex_);
  config_.offsetMm = mm;
}

double Bench::StageSpeedMmPerS() const {
  std::lock_guard lock(mutex_);
  return config_.stageSpeedMmPerS;
}

void Bench::SetStageSpeedMmPerS(double mmPerS) {
  std::lock_guard lock(mutex_);
  const auto now = Clock::now();
  moveFromMm_ = PositionLocked(now);
  moveStart_ = now;
  config_.stageSpeedMmPerS = std::max(1e-3, mmPerS);
}

double Bench::TravelMm() const {
  std::lock_guard lock(mutex_);
  return config_.travelMm;
}

void Bench::SetTravelMm(double mm) {
  std::lock_guard lock(mutex_);
  config_.travelMm = mm;
}

int Bench::WiredOutput() const {
  std::lock_guard lock(mutex_);
  return config_.wiredOutput;
}

void Bench::SetWiredOutput(int output) {
  std::lock_guard lock(mutex_);
  config_.wiredOutput = std::clamp(output, 0, 2);
}

bool Bench::MeterLeadsReversed() const {
  std::lock_guard lock(mutex_);
  return config_.meterLeadsReversed;
}

void Bench::SetMeterLeadsReversed(bool reversed) {
  std::lock_guard lock(mutex_);
  config_.meterLeadsReversed = reversed;
}

}  // namespace tavro::sim
