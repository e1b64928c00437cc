// The line time-outs, measured on a pseudo-terminal (which adds no transmit
// time of its own). Bounds allow 40 ms of scheduling noise.
#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "link/clock.h"
#include "link/serial_port.h"
#include "scripted_peer.h"

namespace tavro {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::SteadyClock;

constexpr double kSlackMs = 40;

double MsSince(SteadyClock::time_point t) {
  return std::chrono::duration<double, std::milli>(SteadyClock::now() - t).count();
}

double MsBetween(SteadyClock::time_point a, SteadyClock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// Sends `chunks` from another thread, each after its delay; remembers when the
// last one went out.
class Sender {
 public:
  Sender(test::PtyPair& pty, std::vector<std::pair<std::chrono::milliseconds, Bytes>> chunks)
      : thread_([&pty, chunks = std::move(chunks), this] {
          for (const auto& [delay, bytes] : chunks) {
            std::this_thread::sleep_for(delay);
            pty.Send(bytes);
            lastSent_ = SteadyClock::now();
          }
        }) {}
  ~Sender() { thread_.join(); }
  SteadyClock::time_point lastSent() const { return lastSent_.load(); }

 private:
  std::atomic<SteadyClock::time_point> lastSent_{};
  std::thread thread_;
};

class LineTimeouts : public ::testing::Test {
 protected:
  test::PtyPair pty;
  SerialPort port;
  uint8_t buffer[256] = {};
  uint32_t count = 0;
};

TEST_F(LineTimeouts, ASilentReadEndsAfterTheTotalTimeWhichNoTimeScaleShortens) {
  clock::SetTimeScale(0.05);  // procedure waits only
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  for (const auto& [n, expectedMs] : {std::pair{256u, 756.0}, std::pair{8u, 508.0}}) {
    const auto start = SteadyClock::now();
    EXPECT_TRUE(port.Read(buffer, n, &count));
    const double elapsed = MsSince(start);
    EXPECT_EQ(count, 0u);
    EXPECT_GE(elapsed, expectedMs) << n;
    EXPECT_LE(elapsed, expectedMs + kSlackMs) << n;
  }
  clock::SetTimeScale(1.0);
}

TEST_F(LineTimeouts, AnAnswerIsReturned300MsAfterItsLastByte) {
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  // 8 bytes in three pieces: each gap restarts the silence.
  std::optional<Sender> sender;
  sender.emplace(pty, std::vector<std::pair<std::chrono::milliseconds, Bytes>>{
                          {50ms, {1, 2, 3}}, {100ms, {4, 5, 6}}, {100ms, {7, 8}}});
  ASSERT_TRUE(port.Read(buffer, 256, &count));
  const auto returned = SteadyClock::now();
  const auto lastSent = sender->lastSent();
  sender.reset();
  EXPECT_EQ(count, 8u);
  EXPECT_EQ(buffer[7], 8);
  const double silence = MsBetween(lastSent, returned);
  EXPECT_GE(silence, 300.0);
  EXPECT_LE(silence, 300.0 + kSlackMs);
}

TEST_F(LineTimeouts, AReadReturnsAsSoonAsItsBytesAreThere) {
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  const auto start = SteadyClock::now();
  Sender sender(pty, {{100ms, {1, 2, 3, 4, 5, 6, 7, 8, 9}}});
  ASSERT_TRUE(port.Read(buffer, 8, &count));
  EXPECT_EQ(count, 8u);
  EXPECT_LE(MsSince(start), 100.0 + kSlackMs);
  // The ninth byte waits for the next read.
  ASSERT_TRUE(port.Read(buffer, 8, &count));
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(buffer[0], 9);
}

TEST_F(LineTimeouts, ATrickleIsCutOffAtTheTotalTime) {
  ASSERT_TRUE(port.Open(pty.slavePath(), 9600, 8, 0, 0));
  const auto start = SteadyClock::now();
  // A byte every 200 ms never lets the 300 ms silence run out.
  Sender sender(pty, {{100ms, {1}}, {200ms, {2}}, {200ms, {3}}, {200ms, {4}}, {200ms, {5}}});
  ASSERT_TRUE(port.Read(buffer, 256, &count));
  const double elapsed = MsSince(start);
  EXPECT_EQ(count, 4u);
  EXPECT_GE(elapsed, 756.0);
  EXPECT_LE(elapsed, 756.0 + kSlackMs);
}

TEST_F(LineTimeouts, HartWaitsForSevenHundredMillisecondsOfSilence) {
  ASSERT_TRUE(port.OpenHart(pty.slavePath(), 1200));
  auto start = SteadyClock::now();
  ASSERT_TRUE(port.Read(buffer, 10, &count));
  double elapsed = MsSince(start);
  EXPECT_EQ(count, 0u);
  EXPECT_GE(elapsed, 710.0);
  EXPECT_LE(elapsed, 710.0 + kSlackMs);

  std::optional<Sender> sender;
  sender.emplace(pty, std::vector<std::pair<std::chrono::milliseconds, Bytes>>{{50ms, {1, 2, 3, 4}}});
  ASSERT_TRUE(port.Read(buffer, 256, &count));
  const auto returned = SteadyClock::now();
  const auto lastSent = sender->lastSent();
  sender.reset();
  EXPECT_EQ(count, 4u);
  const double silence = MsBetween(lastSent, returned);
  EXPECT_GE(silence, 700.0);
  EXPECT_LE(silence, 700.0 + kSlackMs);
}

TEST_F(LineTimeouts, AWriteThatFindsNoRoomGivesUpAfterItsTotalTime) {
  const struct {
    bool hart;
    uint32_t n;
    double limitMs;
  } cases[] = {{false, 1, 200.0}, {false, 2, 300.0}, {true, 1, 800.0}};
  for (const auto& c : cases) {
    test::PtyPair line;
    SerialPort writer;
    ASSERT_TRUE(c.hart ? writer.OpenHart(line.slavePath(), 1200)
                       : writer.Open(line.slavePath(), 9600, 8, 0, 0));
    // With room, the bytes are handed over at once (nothing waits for them
    // to leave the line).
    auto start = SteadyClock::now();
    ASSERT_TRUE(writer.Write(buffer, 8, &count));
    EXPECT_EQ(count, 8u);
    EXPECT_LE(MsSince(start), 20.0);

    line.FillTowardsMaster();
    start = SteadyClock::now();
    EXPECT_TRUE(writer.Write(buffer, c.n, &count));
    const double elapsed = MsSince(start);
    EXPECT_EQ(count, 0u);
    EXPECT_GE(elapsed, c.limitMs) << c.n;
    EXPECT_LE(elapsed, c.limitMs + kSlackMs) << c.n;
  }
}

}  // namespace
}  // namespace tavro
