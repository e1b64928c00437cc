#pragma once
// The servo drive of the 6 m or the 4 m table: a Modbus RTU slave (address 1)
// with holding registers 0-2047. What the drive acts on:
//   271/272  target: 6 m: pulses = (int16)271 x 10000 + (int16)272, 52 mm
//            per 10000 pulses; 4 m: tenths of a mm = (int16)(271 x 1000 + 272)
//   548      speed (stored; the bench's stage speed sets the pace)
//   1031     control word: 0 servo off (the stage stops), bit 0 servo on,
//            bit 8 rising: start the move to the target, bit 13 rising: home
//   257      set-up state: a written value takes effect only at the next
//            power cycle; reads give the value in effect. Until the low byte
//            of the value in effect is 1 modulo 100, the drive does not move.
#include <cstdint>
#include <mutex>
#include <vector>

#include "sim/bench.h"
#include "sim/line_protocol.h"
#include "sim/register_bank.h"
#include "sim/stage_kind.h"

namespace tavro::sim {

struct DriveWrite {
  uint16_t reg;
  uint16_t value;
};

class ServoDrive : public RegisterBank {
 public:
  static constexpr uint8_t kSlaveAddress = 1;
  static constexpr uint16_t kRegisterCount = 2048;

  // `setUp`: the drive comes out of the box already set up (257 reads 1).
  ServoDrive(Bench& bench, StageKind kind, bool setUp = true);

  uint8_t ReadRegisters(uint16_t first, uint16_t count, uint16_t* out) override;
  uint8_t WriteRegisters(uint16_t first, uint16_t count, const uint16_t* words) override;

  // Mains off and on: the set-up written to 257 takes effect, the servo is off.
  void PowerCycle();
  bool SetUp() const;
  bool ServoOn() const;
  uint16_t Register(uint16_t reg) const;
  // Stage position (mm) that the target registers stand for.
  double TargetRegistersMm() const;
  // Every register written, in order (the last 1000).
  std::vector<DriveWrite> Writes() const;
  void ClearWrites();
  StageKind Kind() const { return kind_; }

 private:
  void ControlLocked(uint16_t previous, uint16_t value);
  double TargetLocked() const;

  Bench& bench_;
  const StageKind kind_;
  mutable std::mutex mutex_;
  std::vector<uint16_t> registers_;
  uint16_t setupInEffect_;
  std::vector<DriveWrite> writes_;
};

// The drive's line: Modbus RTU at 9600 baud without parity (the tool opens
// 8-N-2; the stop bits are not checked).
class ServoDriveLine : public LineProtocol {
 public:
  explicit ServoDriveLine(ServoDrive& drive) : drive_(drive) {}
  FrameScan Scan(std::span<const uint8_t> pending, const LineState& line) override;
  std::optional<Reply> Handle(std::span<const uint8_t> frame, const LineState& line,
                              const Faults& faults) override;

 private:
  ServoDrive& drive_;
};

}  // namespace tavro::sim
