#include "link/wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "link/clock.h"

namespace tavro {
namespace {

using SteadyClock = std::chrono::steady_clock;

double MsSince(SteadyClock::time_point t) {
  return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count();
}

class Wait : public ::testing::Test {
 protected:
  void TearDown() override {
    SetEventPump(nullptr);
    SetProgressStep(nullptr);
    clock::SetTimeScale(1.0);
  }
};

TEST_F(Wait, PumpsSleepsAndStepsTheProgressOncePerTenMilliseconds) {
  int pumps = 0;
  int steps = 0;
  bool inOrder = true;
  SetEventPump([&] {
    inOrder = inOrder && pumps == steps;
    ++pumps;
  });
  SetProgressStep([&] {
    inOrder = inOrder && pumps == steps + 1;
    ++steps;
  });
  const auto start = SteadyClock::now();
  WaitWithProgress(1000);
  const double elapsed = MsSince(start);
  EXPECT_EQ(pumps, 100);
  EXPECT_EQ(steps, 100);
  EXPECT_TRUE(inOrder);
  EXPECT_GE(elapsed, 1000.0);
  EXPECT_LE(elapsed, 1030.0);
}

TEST_F(Wait, StepsAreWholeTensAndTheWaitSleepsWithoutHooks) {
  int steps = 0;
  SetProgressStep([&] { ++steps; });
  WaitWithProgress(9);
  WaitWithProgress(-50);
  EXPECT_EQ(steps, 0);
  WaitWithProgress(205);
  EXPECT_EQ(steps, 20);

  SetProgressStep(nullptr);
  const auto start = SteadyClock::now();
  WaitWithProgress(200);
  EXPECT_GE(MsSince(start), 200.0);
}

TEST_F(Wait, TimeSpentInTheHooksAddsToTheWait) {
  // Handlers run by the pump lengthen the wait; the sleeps do not shrink
  // to make up for them.
  double inHooksMs = 0;
  SetEventPump([&] {
    const auto start = SteadyClock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    inHooksMs += MsSince(start);
  });
  const auto start = SteadyClock::now();
  WaitWithProgress(200);
  const double elapsed = MsSince(start);
  EXPECT_GE(inHooksMs, 100.0);
  EXPECT_GE(elapsed - inHooksMs, 200.0);
  EXPECT_LE(elapsed - inHooksMs, 230.0);
}

TEST_F(Wait, AHookMayReplaceTheHooksWhileItRuns) {
  int pumps = 0;
  SetEventPump([&] {
    ++pumps;
    SetEventPump(nullptr);  // a handler run by the pump may do this
  });
  WaitWithProgress(50);
  EXPECT_EQ(pumps, 1);
}

TEST_F(Wait, TheTimeScaleShortensTheWaitButNotItsSteps) {
  int steps = 0;
  SetProgressStep([&] { ++steps; });
  clock::SetTimeScale(0.1);
  const auto start = SteadyClock::now();
  WaitWithProgress(1000);
  const double elapsed = MsSince(start);
  EXPECT_EQ(steps, 100);
  EXPECT_GE(elapsed, 100.0);
  EXPECT_LE(elapsed, 200.0);

  const auto sleepStart = SteadyClock::now();
  clock::Sleep(500);
  EXPECT_GE(MsSince(sleepStart), 50.0);
  EXPECT_LE(MsSince(sleepStart), 100.0);
}

}  // namespace
}  // namespace tavro
