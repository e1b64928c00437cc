// The echo-data protocol on the transmitter's Modbus line.
#include <gtest/gtest.h>

#include <algorithm>

#include "raw_line.h"
#include "sim/echo_curve.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using test::RawLine;

int16_t SampleAt(const std::vector<uint8_t>& reply, size_t i) {
  return static_cast<int16_t>(reply[16 + 2 * i] | reply[17 + 2 * i] << 8);
}

uint16_t Le16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

TEST(SimEchoFrames, RequestForAddress1Index0x0102Count400) {
  // Address 1, first index 0x0102, 400 samples: the four words sum to 0.
  EXPECT_EQ(BuildEchoRequest(1, 0x0102, 400),
            (std::vector<uint8_t>{0x01, 0xFF, 0x01, 0x02, 0x01, 0x90, 0xFD, 0x6E}));
  const auto parsed = ParseEchoRequest(std::vector<uint8_t>{0x01, 0xFF, 0x01, 0x02, 0x01, 0x90, 0xFD, 0x6E});
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->firstIndex, 0x0102);
  EXPECT_EQ(parsed->count, 400);
  EXPECT_FALSE(ParseEchoRequest(std::vector<uint8_t>{0x01, 0xFF, 0x01, 0x02, 0x01, 0x90, 0xFE, 0x6E}));
}

TEST(SimEchoFrames, CurveHoldsTheEchoesWhereTheMarkersSay) {
  const EchoScene scene{.levelMm = 1500.0, .probeLengthMm = 6000.0, .temperatureC = 25.0};
  const EchoMarkers markers = MarkersFor(scene);
  const std::vector<int16_t> curve = SynthesizeEcho(scene);
  ASSERT_EQ(curve.size(), 30000u);
  EXPECT_EQ(markers.max, kReferenceSample);
  EXPECT_EQ(markers.first, kReferenceSample + 6000);
  EXPECT_EQ(markers.second, kReferenceSample + 12000);
  EXPECT_EQ(markers.end, kReferenceSample + 24000);
  EXPECT_EQ(std::max_element(curve.begin(), curve.end()) - curve.begin(), markers.max);
  for (uint16_t at : {markers.first, markers.second, markers.end}) {
    EXPECT_GT(curve[at], kEchoBaseline + 100) << "an echo at sample " << at;
  }
  EXPECT_LT(std::abs(curve[20000] - kEchoBaseline), 10) << "baseline between the echoes";
  EXPECT_TRUE(std::all_of(curve.begin(), curve.end(), [](int16_t s) { return s >= 0 && s < 4096; }));
  // Beyond the last sample a marker is 0.
  EXPECT_EQ(MarkersFor(EchoScene{.levelMm = 4000.0}).second, 0);
}

class SimEchoLine : public ::testing::Test {
 protected:
  SimulatedBench sim{test::Unregistered()};
  RawLine line{sim.DevicePath(Device::kTransmitter)};
};

TEST_F(SimEchoLine, AnswersAChunkWithEighteenPlusTwoNBytesThatSumToZero) {
  sim.bench().PlaceStageAt(1000.0);  // target at 1225 mm
  line.Write(std::vector<uint8_t>{0x01, 0xAA});  // begin: no reply
  const auto request = BuildEchoRequest(1, 0x0102, 400);
  const std::vector<uint8_t> reply = line.Exchange(request, 818 + 1, 300ms);
  ASSERT_EQ(reply.size(), 818u) << "and nothing else";
  EXPECT_EQ(reply[0], 0x01);
  EXPECT_EQ(reply[1], 0xFF);
  EXPECT_EQ(WordSum(reply), 0);
  const EchoMarkers expected = MarkersFor(sim.transmitter().SceneNow());
  EXPECT_EQ(Le16(reply, 8), expected.max);
  EXPECT_EQ(Le16(reply, 10), expected.first);
  EXPECT_EQ(Le16(reply, 14), expected.end);
  EXPECT_NEAR(Le16(reply, 10), kReferenceSample + 1225 * 4, 3);
  for (size_t i = 0; i < 400; ++i) ASSERT_LT(std::abs(SampleAt(reply, i) - kEchoBaseline), 10) << i;

  // The chunk around the level echo shows it.
  const uint16_t level = Le16(reply, 10);
  const auto around = line.Exchange(BuildEchoRequest(1, level - 50, 100), 218);
  ASSERT_EQ(around.size(), 218u);
  EXPECT_GT(SampleAt(around, 50), kEchoBaseline + 500);
  line.Write(std::vector<uint8_t>{0x01, 0xBB});  // end
  EXPECT_TRUE(line.ReadUntilQuiet(50ms).empty());
}

TEST_F(SimEchoLine, ChunksOfOneAcquisitionComeFromOneSnapshot) {
  line.Write(std::vector<uint8_t>{0x01, 0xAA});
  const auto first = line.Exchange(BuildEchoRequest(1, 0, 400), 818);
  sim.bench().PlaceStageAt(2000.0);
  const auto again = line.Exchange(BuildEchoRequest(1, 0, 400), 818);
  EXPECT_EQ(first, again) << "the target moved, but the curve was frozen at begin";
  line.Write(std::vector<uint8_t>{0x01, 0xBB});
  const auto after = line.Exchange(BuildEchoRequest(1, 0, 400), 818);
  EXPECT_NE(Le16(after, 10), Le16(first, 10)) << "after end the curve follows the target";
}

TEST_F(SimEchoLine, IgnoresBadChecksumsOtherAddressesAndOversizedChunks) {
  auto bad = BuildEchoRequest(1, 0, 10);
  bad[6] ^= 1;
  EXPECT_TRUE(line.Exchange(bad, 38, 100ms).empty());
  EXPECT_TRUE(line.Exchange(BuildEchoRequest(2, 0, 10), 38, 100ms).empty());
  EXPECT_TRUE(line.Exchange(BuildEchoRequest(1, 0, kMaxEchoChunk + 1), 20, 100ms).empty());
  // Past the end of the curve the samples read 0.
  const auto tail = line.Exchange(BuildEchoRequest(1, 29990, 20), 58);
  ASSERT_EQ(tail.size(), 58u);
  EXPECT_EQ(SampleAt(tail, 10), 0);
  EXPECT_EQ(WordSum(tail), 0);
}

}  // namespace
}  // namespace tavro::sim
