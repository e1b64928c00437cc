// A port closed from another thread while a call blocks on it, and a device
// that vanishes while open.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "link/serial_port.h"
#include "scripted_peer.h"
#include "tests/support/message_capture.h"

namespace tavro {
namespace {

using namespace std::chrono_literals;
using test::SteadyClock;

constexpr double kPromptMs = 100;

double MsSince(SteadyClock::time_point t) {
  return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count();
}

struct Outcome {
  bool ok;
  uint32_t count;
  double ms;
};

// Runs `call` on another thread and returns its outcome when it is done.
template <typename Call>
std::future<Outcome> InBackground(Call call) {
  return std::async(std::launch::async, [call] {
    const auto start = SteadyClock::now();
    uint32_t count = 0;
    const bool ok = call(&count);
    return Outcome{ok, count, MsSince(start)};
  });
}

class PortInterrupts : public ::testing::Test {
 protected:
  test::PtyPair pty;
  SerialPort port;
  uint8_t buffer[1024] = {};
  test::MessageCapture capture;
};

TEST_F(PortInterrupts, CloseWakesABlockedRead) {
  ASSERT_TRUE(port.OpenHart(pty.slavePath(), 1200));  // a 1.7 s read
  auto read = InBackground([this](uint32_t* n) { return port.Read(buffer, 1000, n); });
  std::this_thread::sleep_for(100ms);
  const auto closedAt = SteadyClock::now();
  port.Close();
  const double closeMs = MsSince(closedAt);
  const Outcome outcome = read.get();
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.count, 0u);
  EXPECT_LE(outcome.ms, 100.0 + kPromptMs);
  EXPECT_LE(closeMs, kPromptMs);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
}

TEST_F(PortInterrupts, CloseWakesABlockedWrite) {
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  pty.FillTowardsMaster();
  // 1000 bytes may take 100 s to go out; nobody reads them.
  auto write = InBackground([this](uint32_t* n) { return port.Write(buffer, 1000, n); });
  std::this_thread::sleep_for(100ms);
  port.Close();
  const Outcome outcome = write.get();
  EXPECT_FALSE(outcome.ok);
  EXPECT_LE(outcome.ms, 100.0 + kPromptMs);
}

TEST_F(PortInterrupts, ClosingWhileAnotherThreadKeepsCallingIsSafe) {
  // The monitor thread's pattern: read until the port fails, while the
  // interface thread closes it at any moment.
  for (int round = 0; round < 20; ++round) {
    ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
    auto reader = InBackground([this](uint32_t* n) {
      while (port.Read(buffer, 4, n) && port.Write(buffer, 1, n)) {
      }
      return false;
    });
    pty.Send({1, 2, 3, 4});
    std::this_thread::sleep_for(std::chrono::milliseconds(round % 4));
    port.Close();
    EXPECT_LE(reader.get().ms, 1000.0);
  }
  EXPECT_TRUE(capture.messages.empty());
}

TEST_F(PortInterrupts, AVanishedDeviceFailsPromptlyAndANewOneOpens) {
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  pty.CloseMaster();  // the adapter is pulled
  uint32_t count = 99;
  auto start = SteadyClock::now();
  EXPECT_FALSE(port.Read(buffer, 256, &count));
  EXPECT_LE(MsSince(start), kPromptMs);
  start = SteadyClock::now();
  EXPECT_FALSE(port.Write(buffer, 8, &count));
  EXPECT_LE(MsSince(start), kPromptMs);
  port.Close();
  EXPECT_FALSE(port.IsOpen());

  test::PtyPair replacement;
  ASSERT_TRUE(port.Open(replacement.slavePath(), 9600, 8, 0, 0));
  ASSERT_TRUE(replacement.Send({7}));
  EXPECT_TRUE(port.Read(buffer, 1, &count));
  EXPECT_EQ(count, 1u);
  EXPECT_TRUE(capture.messages.empty());
}

TEST_F(PortInterrupts, ADeviceVanishingUnderABlockedReadEndsIt) {
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  auto read = InBackground([this](uint32_t* n) { return port.Read(buffer, 256, n); });
  std::this_thread::sleep_for(100ms);
  pty.CloseMaster();
  const Outcome outcome = read.get();
  EXPECT_FALSE(outcome.ok);
  EXPECT_LE(outcome.ms, 100.0 + kPromptMs);
  port.Close();
}

}  // namespace
}  // namespace tavro
