#include "sim/transmitter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "link/enum_lists.h"
#include "link/register_map.h"
#include "sim/measurement_model.h"

namespace tavro::sim {
namespace {

constexpr uint16_t kLast = reg::kMirrorFirst + reg::kMirrorCount - 1;  // 4339
constexpr size_t kConfigOffset = (reg::kConfigFirst - reg::kMirrorFirst) * 2u;
constexpr size_t kConfigBytes = reg::kConfigCount * 2u;
constexpr size_t kWriteLogLimit = 1000;

bool Touches(uint16_t first, uint16_t count, uint16_t reg) {
  return reg >= first && reg < first + count;
}

bool ListedBaud(uint32_t baud) {
  return std::find(enums::kModbusBaudRates.begin(), enums::kModbusBaudRates.end(), baud) !=
         enums::kModbusBaudRates.end();
}

// How strongly the medium reflects, by "Material" and "Dielectric Const.".
double LevelStrength(const RegisterImage& regs) {
  static constexpr double kLiquids[] = {0.35, 0.65, 1.0};
  static constexpr double kSolids[] = {0.25, 0.4, 0.6};
  if (regs.material == enums::kMaterialSolids) {
    return regs.dielectricSolid < 3 ? kSolids[regs.dielectricSolid] : 0.4;
  }
  return regs.dielectricLiquid < 3 ? kLiquids[regs.dielectricLiquid] : 0.65;
}

}  // namespace

Transmitter::Transmitter(const Bench& bench, TransmitterUnit unit, uint32_t seed)
    : bench_(bench), unit_(unit), image_(FactoryRegisters()), rng_(seed), start_(Clock::now()) {
  saved_.assign(image_.Bytes() + kConfigOffset, image_.Bytes() + kConfigOffset + kConfigBytes);
  ApplyLineSettingsLocked();
  UpdateLocked();
}

double Transmitter::Gauss(double sigma) {
  return std::normal_distribution<double>(0.0, sigma)(rng_);
}

EchoScene Transmitter::SceneLocked(double distanceMm) const {
  const double t = std::chrono::duration<double>(Clock::now() - start_).count();
  EchoScene scene;
  scene.levelMm = distanceMm;
  scene.probeLengthMm = static_cast<float>(image_.probeLength);
  scene.temperatureC = image_.temperature;
  scene.levelStrength = LevelStrength(image_);
  scene.noiseSeed = static_cast<uint32_t>(t * 10.0) + 1;
  return scene;
}

double Transmitter::WantedCurrentLocked(int output, double distanceMm) const {
  if (InCurrentCalibration(image_)) return static_cast<float>(image_.forcedCurrent[output]);
  if (output == 0 && records_.loopCurrentMode == 0) return 4.0;  // HART multidrop
  return LevelCurrent(image_, output, distanceMm);
}

// Recomputes the measurement block 4128-4205 for the target where it is now.
void Transmitter::UpdateLocked() {
  const double t = std::chrono::duration<double>(Clock::now() - start_).count();
  const double target = bench_.TargetDistanceMm();
  const double twoPi = 2.0 * std::numbers::pi;

  image_.temperature = static_cast<float>(24.0 + 1.2 * std::sin(twoPi * t / 900.0) + Gauss(0.02));
  image_.bgShiftX = static_cast<float>(0.12 * std::sin(twoPi * t / 300.0));
  image_.bgShiftY = static_cast<float>(0.05 * std::cos(twoPi * t / 420.0));
  image_.delta22Hz = static_cast<float>(std::fabs(Gauss(0.02)));

  for (int k = 0; k < 2; ++k) {
    const double raw = RawCount(unit_, target) + Gauss(unit_.countNoise);
    const float offset = image_.distanceOffset[k];
    const double distance = CalibratedDistance(image_, raw) + offset;
    const double percent = DistancePercent(image_, distance);
    const double current = WantedCurrentLocked(k, distance);
    image_.peak1Count[k] = static_cast<float>(raw);
    image_.distance[k] = static_cast<float>(distance);
    image_.distancePercent[k] = static_cast<float>(percent);
    image_.outputCurrent[k] = static_cast<float>(current);
    image_.display[k] = static_cast<float>(DisplayValue(image_, k, distance, percent, current));
    const float d = static_cast<float>(distance);
    const float oldMax = k == 0 ? image_.distanceMax0 : image_.distanceMax1;
    const float oldMin = k == 0 ? image_.distanceMin0 : image_.distanceMin1;
    const float newMax = trackersFresh_ ? d : std::max(oldMax, d);
    const float newMin = trackersFresh_ ? d : std::min(oldMin, d);
    if (k == 0) {
      image_.distanceMax0 = newMax;
      image_.distanceMin0 = newMin;
    } else {
      image_.distanceMax1 = newMax;
      image_.distanceMin1 = newMin;
    }
  }
  trackersFresh_ = false;

  const EchoPeaks peaks = PeaksFor(SceneLocked(target));
  for (int i = 0; i < 4; ++i) {
    image_.adcPeak[i] = peaks.amplitude[i] + static_cast<float>(Gauss(2.0));
    image_.adcPeak[4 + i] = peaks.position[i];
  }
  const float trigger = image_.triggerLevelSetting;
  image_.triggerLevel[0] = image_.triggerLevel[1] = trigger;
  image_.bgTriggerLevel[0] = image_.bgTriggerLevel[1] = trigger * 0.6f;
}

uint8_t Transmitter::ReadRegisters(uint16_t first, uint16_t count, uint16_t* out) {
  if (first < reg::kMirrorFirst || first + count - 1 > kLast) return kIllegalAddress;
  std::lock_guard lock(mutex_);
  if (first + count > reg::kMeasurementFirst) UpdateLocked();
  for (uint16_t i = 0; i < count; ++i) out[i] = image_.Word(static_cast<uint16_t>(first + i));
  return 0;
}

uint8_t Transmitter::WriteRegisters(uint16_t first, uint16_t count, const uint16_t* words) {
  if (first < reg::kConfigFirst || first + count - 1 > kLast) return kIllegalAddress;
  std::lock_guard lock(mutex_);
  for (uint16_t i = 0; i < count; ++i) image_.SetWord(static_cast<uint16_t>(first + i), words[i]);
  writes_.push_back({first, std::vector<uint16_t>(words, words + count)});
  if (writes_.size() > kWriteLogLimit) writes_.erase(writes_.begin());
  AfterWriteLocked(first, count);
  return 0;
}

void Transmitter::AfterWriteLocked(uint16_t first, uint16_t count) {
  if (Touches(first, count, reg::modbusId) || Touches(first, count, reg::modbusBaud)) {
    ApplyLineSettingsLocked();
  }
  const bool commit = (Touches(first, count, reg::commitFlag0) && image_.commitFlag0 != 0) ||
                      (Touches(first, count, reg::commitFlag1) && image_.commitFlag1 != 0);
  if (commit) CommitLocked();
  if (Touches(first, count, reg::researchCommand) && image_.researchCommand != 0) {
    image_.researchCommand = 0;
    const EchoMarkers markers = MarkersFor(SceneLocked(bench_.TargetDistanceMm()));
    image_.echoMarker[0] = markers.max;
    image_.echoMarker[1] = markers.first;
    image_.echoMarker[2] = markers.second;
    image_.echoMarker[3] = markers.end;
    trackersFresh_ = true;
  }
  if (Touches(first, count, reg::resetCommand) && image_.resetCommand != 0) {
    image_.resetCommand = 0;
    RestartLocked();
  }
}

void Transmitter::CommitLocked() {
  image_.commitFlag0 = 0;
  image_.commitFlag1 = 0;
  std::memcpy(saved_.data(), image_.Bytes() + kConfigOffset, kConfigBytes);
  ++commits_;
  ++identity_.configChangeCounter;
}

void Transmitter::RestartLocked() {
  std::memcpy(image_.Bytes() + kConfigOffset, saved_.data(), kConfigBytes);
  image_.currentCalMode[0] = image_.currentCalMode[1] = image_.currentCalMode[2] = 0;
  image_.commitFlag0 = image_.commitFlag1 = 0;
  image_.resetCommand = image_.researchCommand = 0;
  trackersFresh_ = true;
  echoSnapshot_.reset();
  ApplyLineSettingsLocked();
}

void Transmitter::ApplyLineSettingsLocked() {
  const uint16_t id = image_.modbusId;
  if (id >= 1 && id <= 247) address_ = static_cast<uint8_t>(id);
  const uint16_t baud = image_.modbusBaud;
  if (ListedBaud(baud)) baud_ = baud;
}

RegisterImage Transmitter::Registers() {
  std::lock_guard lock(mutex_);
  UpdateLocked();
  return image_;
}

void Transmitter::Edit(const std::function<void(RegisterImage&)>& edit) {
  std::lock_guard lock(mutex_);
  edit(image_);
  ApplyLineSettingsLocked();
}

std::vector<RegisterWrite> Transmitter::Writes() const {
  std::lock_guard lock(mutex_);
  return writes_;
}

void Transmitter::ClearWrites() {
  std::lock_guard lock(mutex_);
  writes_.clear();
}

uint32_t Transmitter::Commits() const {
  std::lock_guard lock(mutex_);
  return commits_;
}

double Transmitter::LoopCurrentMa(int output) {
  std::lock_guard lock(mutex_);
  const double distance = CalibratedDistance(image_, RawCount(unit_, bench_.TargetDistanceMm())) +
                          static_cast<float>(image_.distanceOffset[output]);
  const double wanted = WantedCurrentLocked(output, distance);
  return DacOutputMa(unit_, output, DacCode(image_, output, wanted)) + Gauss(unit_.loopNoiseMa);
}

uint8_t Transmitter::ModbusAddress() const {
  std::lock_guard lock(mutex_);
  return address_;
}

uint32_t Transmitter::ModbusBaud() const {
  std::lock_guard lock(mutex_);
  return baud_;
}

bool Transmitter::HartEnabled() const {
  std::lock_guard lock(mutex_);
  return image_.hartCommunication == 1;
}

void Transmitter::PowerCycle() {
  std::lock_guard lock(mutex_);
  RestartLocked();
}

void Transmitter::BeginEcho() {
  std::lock_guard lock(mutex_);
  const EchoScene scene = SceneLocked(bench_.TargetDistanceMm());
  echoSnapshot_ = CurveLocked(scene);
  snapshotMarkers_ = MarkersFor(scene);
}

std::shared_ptr<const std::vector<int16_t>> Transmitter::CurveLocked(const EchoScene& scene) {
  const EchoMarkers markers = MarkersFor(scene);
  const bool same = curveCache_ && scene.noiseSeed == cacheSeed_ && scene.levelStrength == cacheStrength_ &&
                    markers.max == cacheMarkers_.max && markers.first == cacheMarkers_.first &&
                    markers.second == cacheMarkers_.second && markers.end == cacheMarkers_.end;
  if (!same) {
    curveCache_ = std::make_shared<const std::vector<int16_t>>(SynthesizeEcho(scene));
    cacheMarkers_ = markers;
    cacheSeed_ = scene.noiseSeed;
    cacheStrength_ = scene.levelStrength;
  }
  return curveCache_;
}

void Transmitter::EndEcho() {
  std::lock_guard lock(mutex_);
  echoSnapshot_.reset();
}

EchoScene Transmitter::SceneNow() {
  std::lock_guard lock(mutex_);
  return SceneLocked(bench_.TargetDistanceMm());
}

std::optional<std::vector<uint8_t>> Transmitter::EchoChunkReply(const EchoRequest& request) {
  if (request.count > kMaxEchoChunk) return std::nullopt;
  std::shared_ptr<const std::vector<int16_t>> samples;
  EchoMarkers markers;
  {
    std::lock_guard lock(mutex_);
    if (echoSnapshot_) {
      samples = echoSnapshot_;
      markers = snapshotMarkers_;
    } else {
      const EchoScene scene = SceneLocked(bench_.TargetDistanceMm());
      samples = CurveLocked(scene);
      markers = MarkersFor(scene);
    }
  }
  return BuildEchoReply(request, *samples, markers);
}

HartIdentity Transmitter::Identity() const {
  std::lock_guard lock(mutex_);
  return identity_;
}

void Transmitter::SetIdentity(const HartIdentity& identity) {
  std::lock_guard lock(mutex_);
  identity_ = identity;
}

HartRecords Transmitter::Records() const {
  std::lock_guard lock(mutex_);
  return records_;
}

void Transmitter::SetRecords(const HartRecords& records) {
  std::lock_guard lock(mutex_);
  records_ = records;
}

}  // namespace tavro::sim
