// The live monitor at real speed: each wait lasts its length, no request is
// sent while one runs, and a pass takes four transactions plus 1.6 s.
#include <chrono>
#include <vector>

#include "tests/connection/bench_fixture.h"

namespace tavro::test {
namespace {

using SteadyClock = std::chrono::steady_clock;

class ConnectionTimingTest : public ConnectionBenchTest {
 protected:
  ConnectionTimingTest() { timeScale = 1.0; }
};

double Ms(SteadyClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

TEST_F(ConnectionTimingTest, WaitsPaceTheRequestsOfEveryPass) {
  Build();
  // The first pump of each wait comes right after the read before it was
  // answered: one mark per request heard.
  std::vector<SteadyClock::time_point> marks;
  uint64_t last = 0;
  script.Observe([&] {
    const uint64_t heard = Heard();
    if (heard != last) {
      marks.push_back(SteadyClock::now());
      last = heard;
    }
  });
  const uint64_t kAfterProbe = 1;
  script.When("third pass shown: Stop Sync", Shown(kAfterProbe, 3), [] { Click(kSyncButton); });
  script.Start(std::chrono::seconds(30));
  Click(kModbusButton);
  ASSERT_FALSE(script.TimedOut());
  // Four passes of four requests, each followed by its wait; nothing else.
  ASSERT_EQ(marks.size(), 16u);
  ASSERT_EQ(Heard(), kAfterProbe + 16);

  // A read ends 300 ms after the answer; the simulator answers at once.
  for (size_t pass = 0; pass < 4; ++pass) {
    const size_t m = pass * 4;
    EXPECT_GE(Ms(marks[m + 1] - marks[m]), 1000 + 300 - 5) << "pass " << pass;
    EXPECT_LE(Ms(marks[m + 1] - marks[m]), 1000 + 300 + 120) << "pass " << pass;
    for (size_t i = 1; i < 3; ++i) {
      EXPECT_GE(Ms(marks[m + i + 1] - marks[m + i]), 200 + 300 - 5) << "pass " << pass;
      EXPECT_LE(Ms(marks[m + i + 1] - marks[m + i]), 200 + 300 + 120) << "pass " << pass;
    }
    if (pass < 3) {
      const double passMs = Ms(marks[m + 4] - marks[m]);
      EXPECT_GE(passMs, 4 * 300 + 1600 - 10) << "pass " << pass;
      EXPECT_LE(passMs, 4 * 300 + 1600 + 250) << "pass " << pass;
    }
  }
}

}  // namespace
}  // namespace tavro::test
