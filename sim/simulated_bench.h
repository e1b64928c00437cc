#pragma once
// The simulated test bench in one object: the physical bench, the
// transmitter, one motion stage (6 m or 4 m servo drive, or the 2 m ASCII
// controller) and the multimeter, each on its own pseudo-terminal with its
// own thread. Constructing it starts everything and, unless told otherwise,
// points the port names ("COM1", "COM2", "COM3" by default) at the ptys in
// the link layer's port-name map; destroying it stops every thread, closes
// every pty and removes the names it registered.
#include <memory>
#include <string>

#include "sim/ascii_stage.h"
#include "sim/bench.h"
#include "sim/device_port.h"
#include "sim/faults.h"
#include "sim/multimeter.h"
#include "sim/servo_drive.h"
#include "sim/stage_kind.h"
#include "sim/transmitter.h"
#include "sim/transmitter_line.h"
#include "sim/transmitter_unit.h"

namespace tavro::sim {

enum class Device { kTransmitter, kStage, kMeter };

struct BenchOptions {
  std::string transmitterPort = "COM1";
  std::string stagePort = "COM2";
  std::string meterPort = "COM3";
  bool registerPortNames = true;
  StageKind stageKind = StageKind::k6m;
  bool stageSetUp = true;  // the servo drive has been set up before
  BenchConfig bench;       // offset, stage speed, wired output (travel follows the stage kind)
  TransmitterUnit unit;
  bool paceReplies = false;  // send replies at the line's character rate
  uint32_t seed = 1;
};

class SimulatedBench {
 public:
  explicit SimulatedBench(BenchOptions options = {});
  ~SimulatedBench();
  SimulatedBench(const SimulatedBench&) = delete;
  SimulatedBench& operator=(const SimulatedBench&) = delete;

  Bench& bench() { return bench_; }
  Transmitter& transmitter() { return transmitter_; }
  Multimeter& meter() { return meter_; }
  StageKind stageKind() const { return options_.stageKind; }
  // The stage model of the kind in use; the other one is null.
  ServoDrive* servoDrive() { return servo_.get(); }
  AsciiStage* asciiStage() { return ascii_.get(); }

  // The pty path ("/dev/pts/N"), empty while unplugged.
  std::string DevicePath(Device device) const;
  const std::string& PortName(Device device) const;

  void SetFaults(Device device, const Faults& faults);
  Faults GetFaults(Device device) const;
  void ClearFaults(Device device);
  PortStats Stats(Device device) const;

  // The cable comes out: the pty is closed (the tool's open port fails) and
  // its name no longer resolves. Replug gives a new pty, registers the name
  // again and the device carries on with its state.
  void Unplug(Device device);
  void Replug(Device device);
  bool IsPlugged(Device device) const;

  // Power cycle of the stage controller (servo set-up takes effect).
  void PowerCycleStage();

  // One line for a console: target, stage, output currents, wiring.
  std::string StatusLine();

 private:
  DevicePort& Port(Device device);
  const DevicePort& Port(Device device) const;
  std::unique_ptr<LineProtocol> MakeStageLine();

  BenchOptions options_;
  Bench bench_;
  Transmitter transmitter_;
  std::unique_ptr<ServoDrive> servo_;
  std::unique_ptr<AsciiStage> ascii_;
  Multimeter meter_;
  TransmitterLine transmitterLine_;
  MultimeterLine meterLine_;
  std::unique_ptr<LineProtocol> stageLine_;
  DevicePort transmitterPort_;
  DevicePort stagePort_;
  DevicePort meterPort_;
};

}  // namespace tavro::sim
