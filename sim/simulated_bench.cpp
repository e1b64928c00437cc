#include "sim/simulated_bench.h"

#include <cstdio>

#include "link/port_names.h"

namespace tavro::sim {
namespace {

BenchConfig WithTravel(BenchConfig config, StageKind kind) {
  config.travelMm = StageTravelMm(kind);
  return config;
}

}  // namespace

SimulatedBench::SimulatedBench(BenchOptions options)
    : options_(std::move(options)),
      bench_(WithTravel(options_.bench, options_.stageKind)),
      transmitter_(bench_, options_.unit, options_.seed),
      meter_(
          [this]() -> std::optional<double> {
            const int output = bench_.WiredOutput();
            if (output == 0) return std::nullopt;
            const double current = transmitter_.LoopCurrentMa(output - 1);
            return bench_.MeterLeadsReversed() ? -current : current;
          },
          options_.seed + 1),
      transmitterLine_(transmitter_),
      meterLine_(meter_),
      stageLine_(MakeStageLine()),
      transmitterPort_(transmitterLine_, options_.paceReplies),
      stagePort_(*stageLine_, options_.paceReplies),
      meterPort_(meterLine_, options_.paceReplies) {
  try {
    for (Device device : {Device::kTransmitter, Device::kStage, Device::kMeter}) Replug(device);
  } catch (...) {
    // No names may be left pointing at ptys that are gone.
    for (Device device : {Device::kTransmitter, Device::kStage, Device::kMeter}) Unplug(device);
    throw;
  }
}

std::unique_ptr<LineProtocol> SimulatedBench::MakeStageLine() {
  if (options_.stageKind == StageKind::k2m) {
    ascii_ = std::make_unique<AsciiStage>(bench_);
    return std::make_unique<AsciiStageLine>(*ascii_);
  }
  servo_ = std::make_unique<ServoDrive>(bench_, options_.stageKind, options_.stageSetUp);
  return std::make_unique<ServoDriveLine>(*servo_);
}

SimulatedBench::~SimulatedBench() {
  for (Device device : {Device::kTransmitter, Device::kStage, Device::kMeter}) Unplug(device);
}

DevicePort& SimulatedBench::Port(Device device) {
  switch (device) {
    case Device::kStage: return stagePort_;
    case Device::kMeter: return meterPort_;
    default: return transmitterPort_;
  }
}

const DevicePort& SimulatedBench::Port(Device device) const {
  return const_cast<SimulatedBench*>(this)->Port(device);
}

const std::string& SimulatedBench::PortName(Device device) const {
  switch (device) {
    case Device::kStage: return options_.stagePort;
    case Device::kMeter: return options_.meterPort;
    default: return options_.transmitterPort;
  }
}

std::string SimulatedBench::DevicePath(Device device) const { return Port(device).Path(); }

void SimulatedBench::SetFaults(Device device, const Faults& faults) { Port(device).SetFaults(faults); }
Faults SimulatedBench::GetFaults(Device device) const { return Port(device).GetFaults(); }
void SimulatedBench::ClearFaults(Device device) { Port(device).ClearFaults(); }
PortStats SimulatedBench::Stats(Device device) const { return Port(device).Stats(); }

void SimulatedBench::Unplug(Device device) {
  if (options_.registerPortNames && Port(device).IsPlugged()) UnregisterPortName(PortName(device));
  Port(device).Unplug();
}

void SimulatedBench::Replug(Device device) {
  Port(device).Plug();
  if (options_.registerPortNames) RegisterPortName(PortName(device), Port(device).Path());
}

bool SimulatedBench::IsPlugged(Device device) const { return Port(device).IsPlugged(); }

void SimulatedBench::PowerCycleStage() {
  if (servo_) servo_->PowerCycle();
  if (ascii_) ascii_->PowerCycle();
}

std::string SimulatedBench::StatusLine() {
  const double target = bench_.TargetDistanceMm();
  const double stage = bench_.StagePositionMm();
  const bool moving = bench_.StageMoving();
  const double out1 = transmitter_.LoopCurrentMa(0);
  const double out2 = transmitter_.LoopCurrentMa(1);
  char line[160];
  std::snprintf(line, sizeof line,
                "target %7.1f mm (stage %7.1f mm%s)  out1 %7.3f mA  out2 %7.3f mA  meter on %s",
                target, stage, moving ? ", moving" : "", out1, out2,
                bench_.WiredOutput() == 0 ? "nothing" : (bench_.WiredOutput() == 1 ? "out1" : "out2"));
  return line;
}

}  // namespace tavro::sim
