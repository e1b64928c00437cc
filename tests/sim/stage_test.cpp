// The motion stages: the servo drives' registers and write sequences, the
// ASCII controller's commands, and motion that takes time.
#include <gtest/gtest.h>

#include <thread>

#include "raw_line.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using test::RawLine;

constexpr test::Framing kDriveFraming{9600, false, true};  // 8-N-2

BenchOptions Stage(StageKind kind, bool setUp = true, double speed = 1e6) {
  BenchOptions options;
  options.registerPortNames = false;
  options.stageKind = kind;
  options.stageSetUp = setUp;
  options.bench.stageSpeedMmPerS = speed;
  return options;
}

// The Move sequence as the tool writes it; every write must come back as
// its own echo.
void Move(RawLine& line, uint16_t high, uint16_t low, uint16_t speed) {
  for (const auto& [reg, value] : std::vector<std::pair<uint16_t, uint16_t>>{
           {271, high}, {272, low}, {548, speed}, {1031, 1}, {1031, 257}}) {
    const auto request = test::WriteOneRequest(1, reg, value);
    ASSERT_EQ(line.Exchange(request, 8), request) << "write of " << reg;
  }
}

TEST(SimSixMetreDrive, Moves52AndMinus225Millimetres) {
  SimulatedBench sim(Stage(StageKind::k6m));
  RawLine line(sim.DevicePath(Device::kStage), kDriveFraming);
  Move(line, 1, 0, 150);  // 52 mm: 10000 pulses
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), 52.0);
  std::this_thread::sleep_for(5ms);
  EXPECT_DOUBLE_EQ(sim.bench().TargetDistanceMm(), 52.0 + 225.0);

  Move(line, 0xFFFC, 0xF33B, 150);  // -225 mm: -43269 pulses = (-4, -3269)
  EXPECT_NEAR(sim.bench().StageDestinationMm(), -225.0, 0.01);

  // Home goes back to the stage's zero; 1031 := 0 stops.
  for (const auto& [reg, value] : std::vector<std::pair<uint16_t, uint16_t>>{
           {306, 0}, {307, 0}, {304, 100}, {305, 30}, {1031, 1}, {1031, 8193}}) {
    ASSERT_EQ(line.Exchange(test::WriteOneRequest(1, reg, value), 8).size(), 8u);
  }
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), 0.0);
  ASSERT_EQ(line.Exchange(test::WriteOneRequest(1, 1031, 0), 8).size(), 8u);
  EXPECT_FALSE(sim.servoDrive()->ServoOn());
  EXPECT_EQ(sim.servoDrive()->Writes().back().reg, 1031);
}

TEST(SimFourMetreDrive, TenthsOfAMillimetreInSixteenBits) {
  SimulatedBench sim(Stage(StageKind::k4m));
  RawLine line(sim.DevicePath(Device::kStage), kDriveFraming);
  Move(line, 10, 0, 100);  // P = 10000: 1000 mm
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), 1000.0);
  Move(line, 64, 536, 100);  // P = 64536 = -1000 as a signed word: -100 mm
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), -100.0);
}

TEST(SimServoDriveSetUp, TakesEffectOnlyAfterAPowerCycle) {
  SimulatedBench sim(Stage(StageKind::k6m, /*setUp=*/false));
  RawLine line(sim.DevicePath(Device::kStage), kDriveFraming);
  const auto read257 = test::ReadRequest(1, 257, 1);
  EXPECT_EQ(line.Exchange(read257, 7), test::WithCrc({1, 3, 2, 0, 0}));
  Move(line, 1, 0, 150);
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), 0.0) << "a drive not set up does not move";

  ASSERT_EQ(line.Exchange(test::WriteOneRequest(1, 257, 101), 8).size(), 8u);
  EXPECT_EQ(line.Exchange(read257, 7), test::WithCrc({1, 3, 2, 0, 0})) << "still the old state";
  sim.PowerCycleStage();
  EXPECT_EQ(line.Exchange(read257, 7), test::WithCrc({1, 3, 2, 0, 101}));
  EXPECT_TRUE(sim.servoDrive()->SetUp()) << "101 mod 100 is 1";
  Move(line, 1, 0, 150);
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), 52.0);
}

TEST(SimServoDriveLine, AnswersOnlySlaveOneAtNineHundredAndSixtyBaud) {
  SimulatedBench sim(Stage(StageKind::k6m));
  RawLine line(sim.DevicePath(Device::kStage), kDriveFraming);
  EXPECT_TRUE(line.Exchange(test::WriteOneRequest(2, 271, 1), 8, 100ms).empty());
  EXPECT_EQ(line.Exchange(test::ReadRequest(1, 2048, 1), 5), test::WithCrc({1, 0x83, 2}));
  RawLine wrong(sim.DevicePath(Device::kStage), {19200});
  EXPECT_TRUE(wrong.Exchange(test::WriteOneRequest(1, 271, 1), 8, 100ms).empty());
}

TEST(SimAsciiController, MovesTo714StepsWithoutReplying) {
  SimulatedBench sim(Stage(StageKind::k2m));
  RawLine line(sim.DevicePath(Device::kStage));
  for (const char* command : {"@01HSPD=7000\r", "@01LSPD=1400\r", "@01PX=0\r", "@01EX=0\r", "@01abs\r"}) {
    line.Write(std::string(command));
  }
  line.Write(std::string("@01X714\r"));
  AsciiStage& stage = *sim.asciiStage();
  auto heard = [&](size_t n) { return test::WaitUntil([&] { return stage.Commands().size() >= n; }); };
  ASSERT_TRUE(heard(6));
  EXPECT_TRUE(line.ReadUntilQuiet(60ms).empty()) << "the controller never answers";
  EXPECT_NEAR(sim.bench().StageDestinationMm(), 99.96, 1e-9);  // 714 steps of 0.14 mm
  EXPECT_EQ(stage.Commands().back(), "@01X714");

  line.Write(std::string("@01X-1607\r"));
  ASSERT_TRUE(heard(7));
  EXPECT_NEAR(sim.bench().StageDestinationMm(), -224.98, 1e-9);
  line.Write(std::string("@01X10000\r@02X0\r"));  // the second is for another controller
  ASSERT_TRUE(heard(9));
  EXPECT_NEAR(sim.bench().StageDestinationMm(), 1400.0, 1e-9);
  line.Write(std::string("@01H-\r"));
  ASSERT_TRUE(heard(10));
  EXPECT_DOUBLE_EQ(sim.bench().StageDestinationMm(), 0.0);
}

TEST(SimAsciiController, CounterFollowsPresetsAndIncrementalMode) {
  SimulatedBench sim(Stage(StageKind::k2m));
  AsciiStage& stage = *sim.asciiStage();
  sim.bench().PlaceStageAt(140.0);
  stage.Command("@01PX=0");  // call this position 0
  stage.Command("@01X1000");
  EXPECT_NEAR(sim.bench().StageDestinationMm(), 280.0, 1e-9);
  std::this_thread::sleep_for(2ms);
  stage.Command("@01inc");
  stage.Command("@01X-500");
  EXPECT_NEAR(sim.bench().StageDestinationMm(), 210.0, 1e-9);
}

TEST(SimStageMotion, TakesTimeAndTheTransmitterSeesTheTargetWhereItIs) {
  SimulatedBench sim(Stage(StageKind::k6m, true, /*speed=*/1000.0));
  RawLine line(sim.DevicePath(Device::kStage), kDriveFraming);
  Move(line, 19, 2307, 150);  // 1000 mm: 192307 pulses
  const double destination = sim.bench().StageDestinationMm();
  EXPECT_NEAR(destination, 1000.0, 0.01);
  EXPECT_TRUE(sim.bench().StageMoving());
  const double midway = sim.bench().TargetDistanceMm();
  EXPECT_LT(midway, 1000.0 + 225.0 - 100.0) << "a second's move is not over";
  const float peak = sim.transmitter().Registers().peak1Count[0];
  EXPECT_LT(peak, 14.2 + 1.1037 * 1225.0 - 100.0) << "so the raw reading is wrong";
  std::this_thread::sleep_for(1100ms);
  EXPECT_FALSE(sim.bench().StageMoving());
  EXPECT_NEAR(sim.bench().TargetDistanceMm(), 1225.0, 0.01);
}

}  // namespace
}  // namespace tavro::sim
