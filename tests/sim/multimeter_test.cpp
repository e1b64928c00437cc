// The bench multimeter's SCPI line.
#include <gtest/gtest.h>

#include <cctype>

#include "raw_line.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::RawLine;

// Sign, digit, point, eight digits, E, exponent sign, two digits, CR LF.
bool IsStandardReading(const std::string& text) {
  const std::string shape = "sd.ddddddddEsdd\r\n";
  if (text.size() != shape.size()) return false;
  for (size_t i = 0; i < shape.size(); ++i) {
    const char c = text[i];
    const bool ok = shape[i] == 'd'   ? std::isdigit(static_cast<unsigned char>(c)) != 0
                    : shape[i] == 's' ? (c == '+' || c == '-')
                                      : c == shape[i];
    if (!ok) return false;
  }
  return true;
}

class SimMeter : public ::testing::Test {
 protected:
  SimulatedBench sim{test::Unregistered()};
  RawLine line{sim.DevicePath(Device::kMeter)};

  void SetUpCurrent() {
    for (const char* command : {":syst:rem\n", "*CLS\n", ":sense:func \"current:dc\"\n",
                                ":sense:curr:dc:range:auto on\n", ":sense:curr:dc:nplc 10\n",
                                ":sense:zero:auto on\n"}) {
      line.Write(std::string(command));
    }
    EXPECT_TRUE(line.ReadUntilQuiet(50ms).empty()) << "set-up commands get no reply";
  }

  std::string Read() {
    line.Write(std::string(":READ?\n"));
    const auto bytes = line.Read(17, 600ms);
    return std::string(bytes.begin(), bytes.end());
  }
};

TEST_F(SimMeter, ReadsTheLoopCurrentInTheFifteenCharacterFormatAfterTwoTenths) {
  sim.bench().PlaceStageAt(2675.0);  // 2900 mm: about 12 mA on 200-6000
  SetUpCurrent();
  line.Write(std::string(":READ?\n"));
  const auto start = Clock::now();
  const auto first = line.Read(1, 600ms);
  const auto latency = Clock::now() - start;
  const auto rest = line.Read(16, 100ms);
  std::string reply(first.begin(), first.end());
  reply.append(rest.begin(), rest.end());

  EXPECT_GT(latency, 180ms);
  EXPECT_LT(latency, 300ms);
  ASSERT_TRUE(IsStandardReading(reply)) << reply;
  EXPECT_EQ(reply.substr(11, 4), "E-02");
  const double ma = std::stod(reply.substr(0, 15)) * 1000.0;
  EXPECT_NEAR(ma, sim.transmitter().LoopCurrentMa(0), 0.001);
  EXPECT_NEAR(ma, 12.0, 0.6);
}

TEST_F(SimMeter, ReadsZeroUntilSetToCurrentAndFollowsTheWiring) {
  EXPECT_EQ(Read(), "+0.00000000E+00\r\n") << "after power-up it measures volts";
  SetUpCurrent();
  sim.bench().SetWiredOutput(2);
  sim.transmitter().Edit([](RegisterImage& r) { r.currentMode[1] = 1; });  // "20~4mA"
  const double out2 = std::stod(Read().substr(0, 15)) * 1000.0;
  EXPECT_NEAR(out2, sim.transmitter().LoopCurrentMa(1), 0.001);
  EXPECT_LT(out2, 5.0) << "a near target reads low on a reversed output";
  sim.bench().SetMeterLeadsReversed(true);
  EXPECT_EQ(Read()[0], '-') << "swapped leads read the current negative";
  sim.bench().SetWiredOutput(0);
  EXPECT_EQ(Read(), "+0.00000000E+00\r\n");
}

TEST(SimMeterFormat, SignDigitEightDecimalsAndExponent) {
  EXPECT_EQ(Multimeter::FormatAmperes(4.00012345), "+4.00012345E-03");
  EXPECT_EQ(Multimeter::FormatAmperes(20.0), "+2.00000000E-02");
  EXPECT_EQ(Multimeter::FormatAmperes(-4.0), "-4.00000000E-03");
  EXPECT_EQ(Multimeter::FormatAmperes(0.5), "+5.00000000E-04");
}

}  // namespace
}  // namespace tavro::sim
