// Injected faults as they show on the wire, and unplugging.
#include <gtest/gtest.h>

#include <cctype>
#include <future>
#include <thread>

#include "link/modbus_master.h"
#include "link/port_names.h"
#include "link/register_map.h"
#include "raw_line.h"
#include "sim/echo_curve.h"
#include "sim/hart_slave.h"
#include "sim/modbus_slave.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::RawLine;

class SimTransmitterFaults : public ::testing::Test {
 protected:
  SimulatedBench sim{test::Unregistered()};
  RawLine line{sim.DevicePath(Device::kTransmitter)};
  const std::vector<uint8_t> request = test::ReadRequest(1, reg::modbusId, 1);
  const std::vector<uint8_t> normal = test::WithCrc({1, 3, 2, 0, 1});

  std::vector<uint8_t> Ask() {
    line.Write(request);
    return line.ReadReply();
  }
};

TEST_F(SimTransmitterFaults, EachReplyFaultShowsOnTheWire) {
  struct Case {
    const char* what;
    Faults faults;
    std::function<void(const std::vector<uint8_t>&)> check;
  };
  const Case cases[] = {
      {"silent", {.silent = true}, [](const auto& r) { EXPECT_TRUE(r.empty()); }},
      {"wrong CRC", {.wrongChecksum = true},
       [&](const auto& r) {
         ASSERT_EQ(r.size(), 7u);
         EXPECT_TRUE(std::equal(r.begin(), r.begin() + 5, normal.begin()));
         EXPECT_FALSE(CrcMatches(r));
       }},
      {"exception", {.exceptionReplies = true},
       [](const auto& r) { EXPECT_EQ(r, test::WithCrc({1, 0x83, 4})); }},
      {"truncated", {.truncateTo = 4},
       [&](const auto& r) { EXPECT_EQ(r, std::vector<uint8_t>(normal.begin(), normal.begin() + 4)); }},
      {"noise", {.noiseBytes = 3},
       [&](const auto& r) {
         ASSERT_EQ(r.size(), 10u);
         EXPECT_EQ(std::vector<uint8_t>(r.begin() + 3, r.end()), normal);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim.SetFaults(Device::kTransmitter, c.faults);
    c.check(Ask());
  }
  sim.ClearFaults(Device::kTransmitter);
  EXPECT_EQ(Ask(), normal);
}

TEST_F(SimTransmitterFaults, DelayedReplyComesLate) {
  sim.SetFaults(Device::kTransmitter, {.delayMs = 150});
  line.Write(request);
  const auto start = Clock::now();
  const auto reply = line.Read(normal.size(), 1000ms);
  EXPECT_EQ(reply, normal);
  EXPECT_GE(Clock::now() - start, 145ms);
}

TEST_F(SimTransmitterFaults, SilentDeviceDoesNotEvenHearWrites) {
  sim.SetFaults(Device::kTransmitter, {.silent = true});
  line.Write(test::WriteOneRequest(1, reg::windowRange, 999));
  ASSERT_TRUE(test::WaitUntil([&] { return sim.Stats(Device::kTransmitter).ignored == 1; }));
  EXPECT_TRUE(line.ReadUntilQuiet(80ms).empty());
  EXPECT_NE(+sim.transmitter().Registers().windowRange, 999);
}

TEST_F(SimTransmitterFaults, SilenceAfterSomeRequests) {
  sim.SetFaults(Device::kTransmitter, {.silentAfter = 2});
  EXPECT_EQ(Ask(), normal);
  EXPECT_EQ(Ask(), normal);
  EXPECT_TRUE(Ask().empty());
  EXPECT_TRUE(Ask().empty());
}

TEST_F(SimTransmitterFaults, EchoAndHartChecksumsCanBeWrong) {
  sim.SetFaults(Device::kTransmitter, {.wrongChecksum = true});
  line.Write(BuildEchoRequest(1, 0, 10));
  const auto echo = line.Read(38, 500ms);
  ASSERT_EQ(echo.size(), 38u);
  EXPECT_NE(WordSum(echo), 0);

  RawLine hart(sim.DevicePath(Device::kTransmitter), test::kHartFraming);
  hart.Write(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x80, 0x00, 0x00, 0x82});
  const auto reply = hart.ReadReply();
  ASSERT_EQ(reply.size(), 34u);
  EXPECT_NE(HartChecksum(std::span(reply).subspan(5, 28)), reply.back());

  sim.SetFaults(Device::kTransmitter, {.exceptionReplies = true});
  hart.Write(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x80, 0x00, 0x00, 0x82});
  const auto refused = hart.ReadReply();
  ASSERT_EQ(refused.size(), 12u);
  EXPECT_EQ(refused[8], 2);                          // byte count: status only
  EXPECT_EQ(refused[9], kHartDeviceSpecificError);   // response code
}

TEST(SimMeterFaults, GarbledAndLateReadings) {
  SimulatedBench sim(test::Unregistered());
  RawLine line(sim.DevicePath(Device::kMeter));
  line.Write(std::string(":sense:func \"current:dc\"\n"));
  sim.SetFaults(Device::kMeter, {.wrongChecksum = true});
  line.Write(std::string(":READ?\n"));
  const auto garbled = line.Read(17, 600ms);
  ASSERT_EQ(garbled.size(), 17u);
  EXPECT_FALSE(std::isdigit(garbled[3])) << "a digit of the mantissa is garbled";

  sim.SetFaults(Device::kMeter, {.delayMs = 700});
  line.Write(std::string(":READ?\n"));
  EXPECT_TRUE(line.Read(1, 800ms).empty()) << "later than the tool waits";
  EXPECT_EQ(line.Read(17, 400ms).size(), 17u);
}

TEST(SimReopening, WhatTheToolLeftUnreadIsGoneWhenItOpensAgain) {
  SimulatedBench sim(test::Unregistered());
  const std::vector<uint8_t> request = test::ReadRequest(1, reg::modbusId, 1);
  {
    RawLine line(sim.DevicePath(Device::kTransmitter));
    line.Write(request);  // the reply comes, nobody reads it
    ASSERT_TRUE(test::WaitUntil([&] { return sim.Stats(Device::kTransmitter).replies == 1; }));
    std::this_thread::sleep_for(20ms);
  }
  {
    RawLine meter(sim.DevicePath(Device::kMeter));
    meter.Write(std::string("*IDN?\n"));  // answered 0.2 s later, while the line is closed
  }
  std::this_thread::sleep_for(300ms);  // closed for a while, as the tool between two uses
  RawLine line(sim.DevicePath(Device::kTransmitter));
  EXPECT_EQ(line.Exchange(request, 14, 300ms), test::WithCrc({1, 3, 2, 0, 1})) << "only the new reply";
  RawLine meter(sim.DevicePath(Device::kMeter));
  EXPECT_TRUE(meter.Read(1, 300ms).empty()) << "the meter's late reply went nowhere";
}

TEST(SimUnplugging, TheToolsPortFailsAndTheDeviceComesBackWithItsState) {
  SimulatedBench sim;
  sim.SetFaults(Device::kTransmitter, {.silent = true});
  const std::string before = sim.DevicePath(Device::kTransmitter);
  ASSERT_EQ(ResolvePortName("COM1"), before);

  ModbusMaster master;
  ASSERT_TRUE(master.Open("COM1", 9600, 8, 0, 0));
  // A read blocked on the silent device when the cable comes out.
  auto blocked = std::async(std::launch::async, [&] {
    const auto start = Clock::now();
    const uint16_t got = master.ReadRegisters(1, reg::kProbeFirst, 2);
    return std::pair{got, Clock::now() - start};
  });
  std::this_thread::sleep_for(100ms);
  const auto unplugStart = Clock::now();
  sim.Unplug(Device::kTransmitter);
  EXPECT_LT(Clock::now() - unplugStart, 200ms) << "unplugging never waits for the tool";
  const auto [got, took] = blocked.get();
  EXPECT_EQ(got, 0);
  EXPECT_LT(took, 1000ms);
  EXPECT_FALSE(sim.IsPlugged(Device::kTransmitter));
  EXPECT_NE(ResolvePortName("COM1"), before);
  EXPECT_EQ(master.ReadRegisters(1, reg::kProbeFirst, 2), 0) << "the open port stays dead";
  master.Close();

  sim.transmitter().Edit([](RegisterImage& r) { r.windowRange = 77; });
  sim.Replug(Device::kTransmitter);
  sim.ClearFaults(Device::kTransmitter);
  EXPECT_EQ(ResolvePortName("COM1"), sim.DevicePath(Device::kTransmitter));
  ASSERT_TRUE(master.Open("COM1", 9600, 8, 0, 0));
  ASSERT_EQ(master.ReadRegisters(1, reg::windowRange, 1), 2);
  EXPECT_EQ(master.ReplyWord(0), 77);
  master.Close();
}

}  // namespace
}  // namespace tavro::sim
