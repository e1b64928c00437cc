// The tool's own Modbus master against the simulated transmitter, and the
// model's coherence: the target's distance, the raw reading, the calibrated
// distance, the loop current and the meter agree as on the line.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <thread>

#include "link/live_readings.h"
#include "link/modbus_master.h"
#include "link/register_map.h"
#include "raw_line.h"
#include "sim/measurement_model.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using test::RawLine;

std::vector<uint16_t> FloatWords(float value) {
  const uint32_t bits = std::bit_cast<uint32_t>(value);
  return {static_cast<uint16_t>(bits & 0xFFFF), static_cast<uint16_t>(bits >> 16)};
}

BenchOptions FastStage() {
  BenchOptions options;
  options.bench.stageSpeedMmPerS = 1e6;
  return options;
}

TEST(SimToolMaster, ReadsTheMonitorBlocksIntoLiveReadings) {
  SimulatedBench sim(FastStage());
  sim.bench().PlaceStageAt(1275.0);  // 1500 mm
  ModbusMaster master;
  ASSERT_TRUE(master.Open("COM1", 9600, 8, 0, 0));
  ASSERT_EQ(master.ReadRegisters(1, reg::kProbeFirst, reg::kProbeCount), 64);
  RegisterImage live{};
  ASSERT_EQ(master.ReadRegisters(1, reg::kMeasurementFirst, reg::kMeasurementCount), 156);
  live.CopyIn(reg::kMeasurementFirst, master.ReplyData(), 156);
  for (const auto& [first, count] : {std::pair{4206, 64}, std::pair{4270, 64}, std::pair{4334, 6}}) {
    ASSERT_EQ(master.ReadRegisters(1, static_cast<uint16_t>(first), static_cast<uint16_t>(count)), count * 2);
    live.CopyIn(static_cast<uint16_t>(first), master.ReplyData(), count * 2u);
  }
  const RegisterImage model = sim.transmitter().Registers();
  EXPECT_EQ(live.Text(reg::firmwareVersion, 4), "V2.13R");
  EXPECT_EQ(live.Text(reg::productText1, 12), model.Text(reg::productText1, 12));
  EXPECT_EQ(0, std::memcmp(live.Bytes() + (reg::kConfigFirst - reg::kMirrorFirst) * 2,
                           model.Bytes() + (reg::kConfigFirst - reg::kMirrorFirst) * 2,
                           reg::kConfigCount * 2u))
      << "the configuration block arrives unchanged";
  EXPECT_NEAR(+live.peak1Count[0], +model.peak1Count[0], 2.0);
  EXPECT_NEAR(+live.distance[0], +model.distance[0], 3.0);
  EXPECT_NEAR(+live.distance[0], 1500.0, 30.0) << "factory calibration: a few mm off";
  EXPECT_NEAR(+live.temperature, +model.temperature, 0.5);
  EXPECT_NEAR(+live.outputCurrent[0], +model.outputCurrent[0], 0.02);
  EXPECT_EQ(+live.modbusId, 1);
  EXPECT_EQ(+live.modbusBaud, 9600);
  master.Close();
}

TEST(SimToolMaster, AFloatWrittenAt4233ReadsBack) {
  SimulatedBench sim;
  ModbusMaster master;
  ASSERT_TRUE(master.Open("COM1", 9600, 8, 0, 0));
  const auto words = FloatWords(456.25f);
  ASSERT_EQ(master.WriteRegisters(1, reg::maxLevel, 2, words.data()), 3);
  ASSERT_EQ(master.ReadRegisters(1, reg::maxLevel, 2), 4);
  EXPECT_EQ(master.ReplyWord(0), words[0]);
  EXPECT_EQ(master.ReplyWord(1), words[1]);
  RegisterImage image{};
  image.CopyIn(reg::maxLevel, master.ReplyData(), 4);
  EXPECT_EQ(+image.maxLevel, 456.25f);
  master.Close();
}

TEST(SimToolMaster, HartOpenOfTheToolReachesTheHartSlave) {
  SimulatedBench sim;
  SerialPort hart;
  ASSERT_TRUE(hart.OpenHart("COM1", 1200));
  const uint8_t identify[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x80, 0x00, 0x00, 0x82};
  uint32_t written = 0;
  ASSERT_TRUE(hart.Write(identify, sizeof identify, &written));
  uint8_t reply[256];
  uint32_t got = 0;
  ASSERT_TRUE(hart.Read(reply, sizeof reply, &got));
  ASSERT_EQ(got, 34u);
  EXPECT_EQ(reply[5], 0x06);
  EXPECT_EQ(reply[11], 254);
  hart.Close();
  // The same line opened for Modbus at 9600 is Modbus again.
  ModbusMaster master;
  ASSERT_TRUE(master.Open("COM1", 9600, 8, 0, 0));
  EXPECT_EQ(master.ReadRegisters(1, reg::modbusId, 1), 2);
  master.Close();
}

TEST(SimToolMaster, MoveToOneThousandOnTheSixMetreTablePutsTheTargetThere) {
  SimulatedBench sim(FastStage());
  ModbusMaster drive;
  ASSERT_TRUE(drive.Open("COM2", 9600, 8, 0, 2));  // 8-N-2
  // "Move To" 1000 with "Motor Offset" 225: 775 mm, 149038 pulses.
  const auto pulses = static_cast<int32_t>(static_cast<float>(775 * 10000 * (1.0f / 52)));
  ASSERT_EQ(pulses, 149038);
  EXPECT_EQ(drive.WriteRegister(1, 271, static_cast<uint16_t>(pulses / 10000)), 3);
  EXPECT_EQ(drive.WriteRegister(1, 272, static_cast<uint16_t>(pulses % 10000)), 3);
  EXPECT_EQ(drive.WriteRegister(1, 548, 200), 3);
  EXPECT_EQ(drive.WriteRegister(1, 1031, 1), 3);
  EXPECT_EQ(drive.WriteRegister(1, 1031, 257), 3);
  std::this_thread::sleep_for(10ms);
  EXPECT_NEAR(sim.bench().TargetDistanceMm(), 1000.0, 0.01);
  drive.Close();
}

class SimCoherence : public ::testing::Test {
 protected:
  SimulatedBench sim{[] {
    BenchOptions options = FastStage();
    options.registerPortNames = false;
    return options;
  }()};
  RawLine transmitter{sim.DevicePath(Device::kTransmitter)};
  RawLine stage{sim.DevicePath(Device::kStage), {9600, false, true}};
  RawLine meter{sim.DevicePath(Device::kMeter)};

  float ReadFloat(uint16_t reg) {
    const auto reply = transmitter.Exchange(test::ReadRequest(1, reg, 2), 9);
    EXPECT_EQ(reply.size(), 9u);
    if (reply.size() != 9) return NAN;
    const uint32_t bits = uint32_t{reply[5]} << 24 | uint32_t{reply[6]} << 16 | uint32_t{reply[3]} << 8 | reply[4];
    return std::bit_cast<float>(bits);
  }
  float MedianPeak() {
    std::vector<float> readings;
    for (int i = 0; i < 9; ++i) readings.push_back(ReadFloat(reg::peak1Count));
    std::sort(readings.begin(), readings.end());
    return readings[4];
  }
  void Write(uint16_t reg, std::vector<uint16_t> words) {
    ASSERT_EQ(transmitter.Exchange(test::WriteManyRequest(1, reg, words), 8).size(), 8u);
  }
  // MoveTarget of the 6 m table: pulses of (position - offset).
  void MoveTarget(int position) {
    const auto pulses = static_cast<int32_t>(static_cast<float>((position - 225) * 10000.0 * (1.0 / 52)));
    for (const auto& [reg, value] : std::vector<std::pair<uint16_t, uint16_t>>{
             {271, static_cast<uint16_t>(pulses / 10000)}, {272, static_cast<uint16_t>(pulses % 10000)},
             {548, 150}, {1031, 1}, {1031, 257}}) {
      ASSERT_EQ(stage.Exchange(test::WriteOneRequest(1, reg, value), 8).size(), 8u);
    }
    std::this_thread::sleep_for(10ms);  // 6 m at the test's stage speed
  }
  double MeterMa() {
    meter.Write(std::string(":READ?\n"));
    const auto bytes = meter.Read(17, 600ms);
    return std::stod(std::string(bytes.begin(), bytes.begin() + 15)) * 1000.0;
  }
};

TEST_F(SimCoherence, PeakCountChangesAboutOnePointOnePerMillimetre) {
  MoveTarget(1000);
  const float atLow = MedianPeak();
  MoveTarget(1500);
  const float atHigh = MedianPeak();
  EXPECT_NEAR((atHigh - atLow) / 500.0, 1.1, 0.02);
}

TEST_F(SimCoherence, ForcedCurrentReachesTheMeterThroughTheUncalibratedDac) {
  meter.Write(std::string(":sense:func \"current:dc\"\n"));
  Write(reg::currentCalMode, {1, 1, 1});
  Write(reg::forcedCurrent, FloatWords(4.0f));
  Write(reg::forcedCurrent + 2, FloatWords(4.0f));
  const double atFour = MeterMa();
  EXPECT_NEAR(atFour, 4.0, 0.4);
  EXPECT_GT(std::fabs(atFour - 4.0), 0.05) << "the factory DAC codes are off";
  Write(reg::forcedCurrent, FloatWords(20.0f));
  EXPECT_NEAR(MeterMa(), 20.0, 0.4);
  Write(reg::currentCalMode, {0, 0, 0});
  MoveTarget(3100);  // the level current again: about 12 mA on 200-6000 mm
  EXPECT_NEAR(MeterMa(), 12.0, 0.6);
}

TEST_F(SimCoherence, CalibrationTableWrittenThroughModbusChangesDistance) {
  MoveTarget(2000);
  const float before = ReadFloat(reg::distance);
  EXPECT_GT(std::fabs(before - 2000.0f), 10.0f) << "the factory two-point result is off";
  // A table as the distance calibration writes it: median counts at known
  // distances, then the commit flags.
  std::vector<uint16_t> counts, distances;
  for (int position = 1000; position <= 3000; position += 500) {
    MoveTarget(position);
    counts.push_back(static_cast<uint16_t>(MedianPeak()));
    distances.push_back(static_cast<uint16_t>(position));
  }
  counts.resize(20, 0);
  distances.resize(20, 0);
  Write(reg::calPeakCount, counts);
  Write(reg::calDistance, distances);
  Write(reg::commitFlag0, {1});
  MoveTarget(2000);
  EXPECT_NEAR(ReadFloat(reg::distance), 2000.0f, 2.0f);
  MoveTarget(2750);
  EXPECT_NEAR(ReadFloat(reg::distance), 2750.0f, 2.0f);
  EXPECT_EQ(sim.transmitter().Commits(), 1u);
}

// The current calibration's correction loop (DacStep with Accuracy 0.002)
// against the model: it must converge on both targets of both outputs well
// within its 60 iterations, from the factory codes.
int CalibrateDac(Transmitter& t, int output, double target) {
  static constexpr double kBounds[] = {0.005, 0.01, 0.1, 0.5, 0.8, 1.0, 1.5};
  static constexpr int kSteps[] = {3, 20, 50, 220, 250, 300, 500, 800};
  const int index = output * 2 + (target > 10 ? 1 : 0);
  for (int iteration = 0; iteration < 60; ++iteration) {
    const double measured = t.LoopCurrentMa(output);
    const double e = std::fabs(std::fabs(measured) - target);
    if (e <= 0.002) return iteration;
    int band = 0;
    while (band < 7 && e > kBounds[band]) ++band;
    t.Edit([&](RegisterImage& r) {
      const int step = kSteps[band];
      r.dac[index] = static_cast<uint16_t>(measured > target ? r.dac[index] - step : r.dac[index] + step);
    });
  }
  return -1;
}

TEST_F(SimCoherence, CurrentCalibrationConvergesWithAccuracyTwoMicroamperesSteps) {
  Transmitter& t = sim.transmitter();
  t.Edit([](RegisterImage& r) {
    r.currentCalMode[0] = r.currentCalMode[1] = r.currentCalMode[2] = 1;
  });
  for (int output = 0; output < 2; ++output) {
    for (double target : {4.0, 20.0}) {
      t.Edit([&](RegisterImage& r) { r.forcedCurrent[output] = static_cast<float>(target); });
      const int iterations = CalibrateDac(t, output, target);
      EXPECT_GE(iterations, 1) << "output " << output << " at " << target << " mA";
      EXPECT_LT(iterations, 20) << "output " << output << " at " << target << " mA";
    }
  }
  // Calibrated: a level current is now true within the tolerance.
  t.Edit([](RegisterImage& r) { r.currentCalMode[0] = r.currentCalMode[1] = r.currentCalMode[2] = 0; });
  const RegisterImage regs = t.Registers();
  EXPECT_NEAR(t.LoopCurrentMa(0), +regs.outputCurrent[0], 0.005);
}

}  // namespace
}  // namespace tavro::sim
