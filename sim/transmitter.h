#pragma once
// The level transmitter: its register memory 4096-4339 (a RegisterImage in
// host order), the measurement that the bench's target produces in it, the
// current outputs with the unit's own DAC, the echo curve and the HART
// records. Every method is thread-safe; the line protocols and the tests
// reach the same state.
//
// Writes are effective at once, in RAM. A commit flag (4293 or 4296) written
// 1 saves the configuration 4206-4339 to non-volatile memory and reads back
// 0 afterwards. "Reset" (4295 := 1) restarts the transmitter: the saved
// configuration is reloaded (uncommitted changes are lost), current
// calibration mode ends, the MAX/MIN trackers restart. "Research" (4339 := 1)
// searches the echo anew: the markers found go into 4281-4284 and the
// trackers restart. Both read back 0. A new slave address (1-247) or a listed
// baud rate takes effect for the next request; other values are stored but
// leave the line as it was.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <vector>

#include "link/live_readings.h"
#include "sim/bench.h"
#include "sim/echo_curve.h"
#include "sim/hart_profile.h"
#include "sim/register_bank.h"
#include "sim/transmitter_unit.h"

namespace tavro::sim {

struct RegisterWrite {
  uint16_t first;
  std::vector<uint16_t> words;
};

class Transmitter : public RegisterBank {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Transmitter(const Bench& bench, TransmitterUnit unit = {}, uint32_t seed = 1);

  // Register memory, as Modbus 03/06/16 and HART 128/129 reach it. Reads
  // outside 4096-4339 and writes outside 4206-4339 are refused (exception 2).
  uint8_t ReadRegisters(uint16_t first, uint16_t count, uint16_t* out) override;
  uint8_t WriteRegisters(uint16_t first, uint16_t count, const uint16_t* words) override;

  // The whole memory with a fresh measurement.
  RegisterImage Registers();
  // Edits the memory directly, without the effects of a write (tests, demo).
  void Edit(const std::function<void(RegisterImage&)>& edit);
  // Every write accepted from the line, oldest first (the last 1000).
  std::vector<RegisterWrite> Writes() const;
  void ClearWrites();
  uint32_t Commits() const;

  // The true current on output 0 or 1 now (mA): what a meter in the loop reads.
  double LoopCurrentMa(int output);

  // Line settings in effect.
  uint8_t ModbusAddress() const;
  uint32_t ModbusBaud() const;
  bool HartEnabled() const;  // "HART Communcation" ON

  // Power off and on: like "Reset", and the HART short address stays.
  void PowerCycle();

  // Echo data. Begin freezes a snapshot of the curve that the chunks are read
  // from until End; without Begin every chunk sees the curve of the moment.
  void BeginEcho();
  void EndEcho();
  std::optional<std::vector<uint8_t>> EchoChunkReply(const EchoRequest& request);
  EchoScene SceneNow();

  HartIdentity Identity() const;
  void SetIdentity(const HartIdentity& identity);
  HartRecords Records() const;
  void SetRecords(const HartRecords& records);

  const TransmitterUnit& Unit() const { return unit_; }

 private:
  void UpdateLocked();
  EchoScene SceneLocked(double distanceMm) const;
  // The curve of a scene, synthesized once per scene and noise period.
  std::shared_ptr<const std::vector<int16_t>> CurveLocked(const EchoScene& scene);
  double WantedCurrentLocked(int output, double distanceMm) const;
  void AfterWriteLocked(uint16_t first, uint16_t count);
  void CommitLocked();
  void RestartLocked();
  void ApplyLineSettingsLocked();
  double Gauss(double sigma);

  const Bench& bench_;
  const TransmitterUnit unit_;
  mutable std::mutex mutex_;
  RegisterImage image_{};
  std::vector<uint8_t> saved_;  // the committed configuration 4206-4339
  std::mt19937 rng_;
  Clock::time_point start_;
  uint8_t address_ = 1;
  uint32_t baud_ = 9600;
  uint32_t commits_ = 0;
  bool trackersFresh_ = true;
  std::vector<RegisterWrite> writes_;
  std::shared_ptr<const std::vector<int16_t>> echoSnapshot_;
  std::shared_ptr<const std::vector<int16_t>> curveCache_;
  EchoMarkers cacheMarkers_{};
  uint32_t cacheSeed_ = 0;
  double cacheStrength_ = -1.0;
  EchoMarkers snapshotMarkers_{};
  HartIdentity identity_;
  HartRecords records_;
};

// The contents of a transmitter fresh from the factory.
RegisterImage FactoryRegisters();

}  // namespace tavro::sim
