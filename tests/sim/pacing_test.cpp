// Replies paced at the line's character rate, when asked for.
#include <gtest/gtest.h>

#include "link/register_map.h"
#include "raw_line.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(SimPacing, A161ByteReplyTakesItsTransmitTimeAt9600Baud) {
  BenchOptions options = test::Unregistered();
  options.paceReplies = true;
  SimulatedBench sim(options);
  test::RawLine line(sim.DevicePath(Device::kTransmitter));
  line.Write(test::ReadRequest(1, reg::kMeasurementFirst, 78));
  const auto start = Clock::now();
  EXPECT_EQ(line.Read(161, 1000ms).size(), 161u);
  const auto took = Clock::now() - start;
  // 10 bits per character: 161 characters take 168 ms. Pacing can come out
  // slower on a loaded machine, never faster.
  EXPECT_GT(took, 160ms);
  EXPECT_LT(took, 400ms);
}

}  // namespace
}  // namespace tavro::sim
