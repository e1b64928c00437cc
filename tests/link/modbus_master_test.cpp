// ModbusMaster against the scripted peer: the wire format of the three
// requests and every reply that must give 0.
#include "link/modbus_master.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "link/crc16.h"
#include "link/live_readings.h"
#include "scripted_peer.h"

namespace tavro {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::WithCrc;

class ModbusMasterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(master.Open(pty.slavePath(), 9600, 8, 0, 0)); }
  void StartPeer(test::Script script) {
    peer.reset();
    peer.emplace(pty, std::move(script));
  }
  // The single request the peer received.
  Bytes Request() {
    const auto requests = peer->Requests();
    return requests.size() == 1 ? requests.front() : Bytes{};
  }

  test::PtyPair pty;
  ModbusMaster master;
  std::optional<test::ScriptedPeer> peer;
};

TEST_F(ModbusMasterTest, ReadsRegistersIntoHostOrder) {
  StartPeer(test::HealthySlave());
  ASSERT_EQ(master.ReadRegisters(1, reg::kProbeFirst, 32), 64);
  EXPECT_EQ(Request(), WithCrc({0x01, 0x03, 0x10, 0x00, 0x00, 0x20}));
  EXPECT_EQ(master.ReplyLength(), 69u);
  for (size_t i = 0; i < 32; ++i) {
    const uint16_t expected = test::RegisterValue(static_cast<uint16_t>(reg::kProbeFirst + i));
    EXPECT_EQ(master.ReplyWord(i), expected) << i;
    uint16_t copied;
    std::memcpy(&copied, master.ReplyData() + 2 * i, sizeof copied);
    EXPECT_EQ(copied, expected) << i;
  }
  EXPECT_EQ(master.ReplyData(), master.Frame().data() + 3);
  EXPECT_EQ(master.ReplyWord(500), 0);  // beyond the frame
}

TEST_F(ModbusMasterTest, EveryUnsoundReplyGivesZero) {
  Bytes badCrc = WithCrc({0x01, 0x03, 0x02, 0x12, 0x34});
  badCrc.back() ^= 0x01;
  const struct {
    const char* what;
    test::Script script;
  } cases[] = {
      {"exception 0x83", test::Reply(WithCrc({0x01, 0x83, 0x02}))},
      {"shorter than 5 bytes", test::Reply(WithCrc({0x01, 0x03}))},
      {"one noise byte", test::Reply({0x5A})},
      {"wrong CRC", test::Reply(badCrc)},
      {"another function code", test::Reply(WithCrc({0x01, 0x04, 0x02, 0x12, 0x34}))},
      {"no reply", test::Silence()},
  };
  for (const auto& c : cases) {
    StartPeer(c.script);
    EXPECT_EQ(master.ReadRegisters(1, reg::kMeasurementFirst, 1), 0) << c.what;
    EXPECT_EQ(Request(), WithCrc({0x01, 0x03, 0x10, 0x20, 0x00, 0x01})) << c.what;
  }
  // The reply's slave address and byte count are not judged, only its size.
  StartPeer(test::Reply(WithCrc({0x07, 0x03, 0x63, 0xAB, 0xCD})));
  EXPECT_EQ(master.ReadRegisters(1, reg::kMeasurementFirst, 1), 2);
  EXPECT_EQ(master.ReplyWord(0), 0xABCD);
}

TEST_F(ModbusMasterTest, AFloodingPeerIsCutOffAtTheFrame) {
  StartPeer(test::Flood(0xAA));
  EXPECT_EQ(master.ReadRegisters(1, reg::kMeasurementFirst, reg::kMeasurementCount), 0);
  EXPECT_EQ(master.ReplyLength(), master.Frame().size());
}

TEST_F(ModbusMasterTest, WritesOneRegister) {
  StartPeer(test::HealthySlave());
  EXPECT_EQ(master.WriteRegister(1, reg::researchCommand, 1), 3);
  EXPECT_EQ(Request(), WithCrc({0x01, 0x06, 0x10, 0xF3, 0x00, 0x01}));

  for (const Bytes& reply : {WithCrc({0x01, 0x86, 0x02}), WithCrc({0x01, 0x10, 0x10, 0xF3, 0x00, 0x01})}) {
    StartPeer(test::Reply(reply));
    EXPECT_EQ(master.WriteRegister(1, reg::resetCommand, 1), 0);
  }
}

TEST_F(ModbusMasterTest, WritesABlockOfRegistersWithThirtyTwoBitValuesLowHalfFirst) {
  StartPeer(test::HealthySlave());
  RegisterImage image{};
  image.maxLevel = 1.0f;
  image.SetText(reg::productText1, 12, "AB");
  uint8_t block[reg::kParameterBlockCount * 2 + 1];
  // An odd source address, as a view into a packed image may have.
  image.CopyOut(reg::kParameterBlockFirst, reg::kParameterBlockCount, block + 1);
  EXPECT_EQ(master.WriteRegisters(1, reg::kParameterBlockFirst, reg::kParameterBlockCount,
                                  reinterpret_cast<const uint16_t*>(block + 1)),
            3);
  const Bytes request = Request();
  ASSERT_EQ(request.size(), 197u);
  EXPECT_EQ(Bytes(request.begin(), request.begin() + 7), (Bytes{0x01, 0x10, 0x10, 0x6E, 0x00, 94, 188}));
  EXPECT_EQ(Crc16(request.data(), request.size()), 0);  // valid CRC, low byte first
  // Register r sits at 7 + 2 (r - first), high byte first.
  const auto at = [&](uint16_t r) { return 7u + 2u * (r - reg::kParameterBlockFirst); };
  EXPECT_EQ(request[at(reg::productText1)], 'B');  // the low byte 'A' goes second
  EXPECT_EQ(request[at(reg::productText1) + 1], 'A');
  EXPECT_EQ(Bytes(request.begin() + at(reg::maxLevel), request.begin() + at(reg::maxLevel) + 4),
            (Bytes{0x00, 0x00, 0x3F, 0x80}));
}

TEST_F(ModbusMasterTest, RefusesMoreThan123RegistersWithoutSending) {
  StartPeer(test::HealthySlave());
  const uint16_t words[124] = {};
  EXPECT_EQ(master.WriteRegisters(1, reg::kMirrorFirst, 124, words), 0);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(peer->BytesReceived(), 0u);
  EXPECT_EQ(master.WriteRegisters(1, reg::kMirrorFirst, 123, words), 3);
  EXPECT_EQ(Request().size(), 255u);
}

TEST_F(ModbusMasterTest, WriteRepliesMustAnswerSixteen) {
  const uint16_t words[2] = {0x1234, 0x5678};
  for (const Bytes& reply : {WithCrc({0x01, 0x90, 0x02}), WithCrc({0x01, 0x06, 0x10, 0x00, 0x00, 0x02}),
                             WithCrc({0x01, 0x10})}) {
    StartPeer(test::Reply(reply));
    EXPECT_EQ(master.WriteRegisters(1, reg::kMirrorFirst, 2, words), 0);
  }
}

TEST_F(ModbusMasterTest, AClosedOrVanishedPortGivesZeroAtOnce) {
  StartPeer(test::UnplugOnRequest());
  const auto start = test::SteadyClock::now();
  EXPECT_EQ(master.ReadRegisters(1, reg::kProbeFirst, 32), 0);
  EXPECT_LT(test::SteadyClock::now() - start, 200ms);
  master.Close();
  EXPECT_EQ(master.ReadRegisters(1, reg::kProbeFirst, 32), 0);
  EXPECT_EQ(master.WriteRegister(1, reg::resetCommand, 1), 0);

  test::PtyPair replacement;
  ASSERT_TRUE(master.Open(replacement.slavePath(), 9600, 8, 0, 0));
  test::ScriptedPeer healthy(replacement, test::HealthySlave());
  EXPECT_EQ(master.ReadRegisters(1, reg::kProbeFirst, 2), 4);
}

}  // namespace
}  // namespace tavro
