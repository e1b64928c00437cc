// Starting and stopping the bench leaves nothing behind: no thread, no
// descriptor, no port name.
#include <gtest/gtest.h>

#include <filesystem>

#include "link/port_names.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

size_t Entries(const char* folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST(SimLifecycle, LeavesNoThreadDescriptorOrNameBehind) {
  // A sanitizer's runtime may start a thread of its own with the first
  // threads of the process: count after one bench has come and gone.
  { SimulatedBench warmUp(BenchOptions{}); }
  const size_t threads = Entries("/proc/self/task");
  const size_t descriptors = Entries("/proc/self/fd");
  {
    BenchOptions options;
    options.transmitterPort = "COM41";
    options.stagePort = "COM42";
    options.meterPort = "COM43";
    SimulatedBench sim(options);
    EXPECT_EQ(Entries("/proc/self/task"), threads + 3) << "one thread per device";
    EXPECT_EQ(ResolvePortName("COM42"), sim.DevicePath(Device::kStage));
    for (int i = 0; i < 3; ++i) {
      sim.Unplug(Device::kMeter);
      EXPECT_EQ(Entries("/proc/self/task"), threads + 2);
      sim.Replug(Device::kMeter);
    }
    EXPECT_EQ(ResolvePortName("COM43"), sim.DevicePath(Device::kMeter));
  }
  EXPECT_EQ(Entries("/proc/self/task"), threads);
  EXPECT_EQ(Entries("/proc/self/fd"), descriptors);
  EXPECT_EQ(ResolvePortName("COM41"), "/dev/ttyS40") << "the name is no longer mapped";
}

}  // namespace
}  // namespace tavro::sim
