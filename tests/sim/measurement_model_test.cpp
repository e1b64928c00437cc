// The transmitter's arithmetic without a line.
#include <gtest/gtest.h>

#include "sim/measurement_model.h"
#include "sim/transmitter.h"

namespace tavro::sim {
namespace {

TEST(SimCalibratedDistance, UsesTheTableWhenItHoldsTwoPointsElseTheTwoPointResult) {
  RegisterImage r = FactoryRegisters();
  // Two-point: Low Position + (raw - Low Count) x Span Value.
  EXPECT_NEAR(CalibratedDistance(r, 1100.0), 1000.0, 1e-6);
  EXPECT_NEAR(CalibratedDistance(r, 2200.0), 1000.0 + 1100.0 * 0.90909, 1e-3);

  r.calPeakCount[0] = 1000;
  r.calDistance[0] = 900;
  EXPECT_NEAR(CalibratedDistance(r, 1100.0), 1000.0, 1e-6) << "one point is no table";

  r.calPeakCount[1] = 2000;
  r.calDistance[1] = 1800;
  r.calPeakCount[2] = 3000;
  r.calDistance[2] = 2800;
  EXPECT_NEAR(CalibratedDistance(r, 1500.0), 1350.0, 1e-9);
  EXPECT_NEAR(CalibratedDistance(r, 2500.0), 2300.0, 1e-9);
  EXPECT_NEAR(CalibratedDistance(r, 500.0), 450.0, 1e-9) << "extrapolated below";
  EXPECT_NEAR(CalibratedDistance(r, 3500.0), 3300.0, 1e-9) << "extrapolated above";
  // A cleared entry (zeros) in the middle does not count.
  r.calPeakCount[1] = 0;
  r.calDistance[1] = 0;
  EXPECT_NEAR(CalibratedDistance(r, 2000.0), 1850.0, 1e-9);
}

TEST(SimLevelCurrent, FourAtMinLevelTwentyAtMaxLevelClamped) {
  RegisterImage r = FactoryRegisters();  // Max Level 200, Min Level 6000
  struct Case {
    uint16_t mode;
    double distance;
    double current;
  };
  for (const Case& c : {Case{0, 6000, 4.0}, Case{0, 200, 20.0}, Case{0, 3100, 12.0},
                        Case{0, 7000, 3.8}, Case{0, 0, 20.5}, Case{1, 6000, 20.0}, Case{1, 200, 4.0}}) {
    r.currentMode[0] = c.mode;
    EXPECT_NEAR(LevelCurrent(r, 0, c.distance), c.current, 1e-9) << c.mode << " at " << c.distance;
  }
  EXPECT_NEAR(DistancePercent(r, 3100), 50.0, 1e-9);
  EXPECT_EQ(DistancePercent(r, 9000), 100.0);
  r.maxLevel = r.minLevel = 1000.0f;
  EXPECT_EQ(DistancePercent(r, 500), 0.0) << "no division by zero";
}

TEST(SimDac, FactoryCodesAreAFewTenthsOffTheTrueTransfer) {
  const RegisterImage r = FactoryRegisters();
  const TransmitterUnit unit;
  for (int output = 0; output < 2; ++output) {
    const double at4 = DacOutputMa(unit, output, DacCode(r, output, 4.0));
    const double at20 = DacOutputMa(unit, output, DacCode(r, output, 20.0));
    EXPECT_GT(std::fabs(at4 - 4.0), 0.05);
    EXPECT_LT(std::fabs(at4 - 4.0), 0.6);
    EXPECT_GT(std::fabs(at20 - 20.0), 0.05);
    EXPECT_LT(std::fabs(at20 - 20.0), 0.6);
  }
  EXPECT_EQ(DacCode(r, 0, 4.0), r.dac[0]);
  EXPECT_EQ(DacCode(r, 0, 20.0), r.dac[1]);
  EXPECT_EQ(DacCode(r, 0, 1000.0), 65535) << "clamped to 16 bits";
}

TEST(SimDisplay, FollowsContextAndUnit) {
  RegisterImage r = FactoryRegisters();
  r.displayContext[0] = 0;
  r.unit = 0;  // m
  EXPECT_NEAR(DisplayValue(r, 0, 1500.0, 25.0, 16.0), 1.5, 1e-9);
  r.displayContext[0] = 2;  // Filling Height, probe 6000
  r.unit = 2;
  EXPECT_NEAR(DisplayValue(r, 0, 1500.0, 25.0, 16.0), 4500.0, 1e-9);
  r.displayContext[0] = 3;
  EXPECT_NEAR(DisplayValue(r, 0, 1500.0, 25.0, 16.0), 75.0, 1e-9);
  r.displayContext[0] = 4;
  EXPECT_NEAR(DisplayValue(r, 0, 1500.0, 25.0, 16.0), 16.0, 1e-9);
}

TEST(SimFactoryRegisters, ArePlausibleAndComplete) {
  const RegisterImage r = FactoryRegisters();
  EXPECT_EQ(r.Text(4128, 4), "V2.13R");
  EXPECT_EQ(+r.modbusId, 1);
  EXPECT_EQ(+r.modbusBaud, 9600);
  EXPECT_GT(+r.minLevel, +r.maxLevel);
  EXPECT_EQ(+r.probeLength, 6000.0f);
  EXPECT_EQ(+r.hartCommunication, 1);
  EXPECT_LT(+r.dac[0], +r.dac[1]);
  EXPECT_FALSE(r.Text(4206, 12).empty());
}

}  // namespace
}  // namespace tavro::sim
