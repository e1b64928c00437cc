#include "sim/servo_drive.h"

#include "sim/modbus_slave.h"

namespace tavro::sim {
namespace {

constexpr uint16_t kSetupRegister = 257;
constexpr uint16_t kTargetHigh = 271;
constexpr uint16_t kTargetLow = 272;
constexpr uint16_t kControl = 1031;
constexpr uint16_t kServoOnBit = 0x0001;
constexpr uint16_t kStartBit = 0x0100;
constexpr uint16_t kHomeBit = 0x2000;
constexpr size_t kWriteLogLimit = 1000;
constexpr uint32_t kDriveBaud = 9600;

bool IsSetUp(uint16_t value) { return (value & 0xFF) % 100 == 1; }

}  // namespace

ServoDrive::ServoDrive(Bench& bench, StageKind kind, bool setUp)
    : bench_(bench), kind_(kind), registers_(kRegisterCount, 0), setupInEffect_(setUp ? 1 : 0) {
  registers_[kSetupRegister] = setupInEffect_;
}

uint8_t ServoDrive::ReadRegisters(uint16_t first, uint16_t count, uint16_t* out) {
  if (first + count > kRegisterCount) return kIllegalAddress;
  std::lock_guard lock(mutex_);
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t reg = static_cast<uint16_t>(first + i);
    out[i] = reg == kSetupRegister ? setupInEffect_ : registers_[reg];
  }
  return 0;
}

uint8_t ServoDrive::WriteRegisters(uint16_t first, uint16_t count, const uint16_t* words) {
  if (first + count > kRegisterCount) return kIllegalAddress;
  std::lock_guard lock(mutex_);
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t reg = static_cast<uint16_t>(first + i);
    const uint16_t previous = registers_[reg];
    registers_[reg] = words[i];
    writes_.push_back({reg, words[i]});
    if (writes_.size() > kWriteLogLimit) writes_.erase(writes_.begin());
    if (reg == kControl) ControlLocked(previous, words[i]);
  }
  return 0;
}

double ServoDrive::TargetLocked() const {
  const uint16_t high = registers_[kTargetHigh];
  const uint16_t low = registers_[kTargetLow];
  if (kind_ == StageKind::k4m) {
    const auto tenths = static_cast<int16_t>(static_cast<uint16_t>(high * 1000u + low));
    return tenths / 10.0;
  }
  const int32_t pulses = int32_t{static_cast<int16_t>(high)} * 10000 + static_cast<int16_t>(low);
  return pulses * 52.0 / 10000.0;
}

void ServoDrive::ControlLocked(uint16_t previous, uint16_t value) {
  if (value == 0) {
    bench_.StopStage();
    return;
  }
  if (!IsSetUp(setupInEffect_) || (value & kServoOnBit) == 0) return;
  const bool start = (value & kStartBit) && !(previous & kStartBit);
  const bool home = (value & kHomeBit) && !(previous & kHomeBit);
  if (home) bench_.MoveStageTo(0.0);
  else if (start) bench_.MoveStageTo(TargetLocked());
}

void ServoDrive::PowerCycle() {
  std::lock_guard lock(mutex_);
  setupInEffect_ = registers_[kSetupRegister];
  registers_[kControl] = 0;
  bench_.StopStage();
}

bool ServoDrive::SetUp() const {
  std::lock_guard lock(mutex_);
  return IsSetUp(setupInEffect_);
}

bool ServoDrive::ServoOn() const {
  std::lock_guard lock(mutex_);
  return (registers_[kControl] & kServoOnBit) != 0;
}

uint16_t ServoDrive::Register(uint16_t reg) const {
  std::lock_guard lock(mutex_);
  if (reg >= kRegisterCount) return 0;
  return reg == kSetupRegister ? setupInEffect_ : registers_[reg];
}

double ServoDrive::TargetRegistersMm() const {
  std::lock_guard lock(mutex_);
  return TargetLocked();
}

std::vector<DriveWrite> ServoDrive::Writes() const {
  std::lock_guard lock(mutex_);
  return writes_;
}

void ServoDrive::ClearWrites() {
  std::lock_guard lock(mutex_);
  writes_.clear();
}

FrameScan ServoDriveLine::Scan(std::span<const uint8_t> pending, const LineState& line) {
  if (line.baud != kDriveBaud || line.oddParity) return FrameScan::Skip(pending.size());
  return ScanRtuRequest(pending);
}

std::optional<Reply> ServoDriveLine::Handle(std::span<const uint8_t> frame, const LineState&,
                                            const Faults& faults) {
  auto bytes = AnswerRtuRequest(frame, ServoDrive::kSlaveAddress, drive_, faults.exceptionReplies);
  if (!bytes) return std::nullopt;
  return Reply{std::move(*bytes), {}, {}};
}

}  // namespace tavro::sim
