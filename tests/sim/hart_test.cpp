// The transmitter as a HART slave at 1200 baud, odd parity.
#include <gtest/gtest.h>

#include <bit>

#include "link/register_map.h"
#include "raw_line.h"
#include "sim/hart_profile.h"
#include "sim/hart_slave.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using test::RawLine;

std::vector<uint8_t> LongRequest(uint8_t command, const std::vector<uint8_t>& data,
                                 uint16_t deviceType = 0x1A7E, uint32_t deviceId = 0x3C5A01) {
  std::vector<uint8_t> frame(5, 0xFF);
  frame.push_back(0x82);
  frame.push_back(static_cast<uint8_t>(0x80 | ((deviceType >> 8) & 0x3F)));
  frame.push_back(static_cast<uint8_t>(deviceType));
  frame.push_back(static_cast<uint8_t>(deviceId >> 16));
  frame.push_back(static_cast<uint8_t>(deviceId >> 8));
  frame.push_back(static_cast<uint8_t>(deviceId));
  frame.push_back(command);
  frame.push_back(static_cast<uint8_t>(data.size()));
  frame.insert(frame.end(), data.begin(), data.end());
  frame.push_back(HartChecksum(std::span(frame).subspan(5)));
  return frame;
}

// Reply data (after the two status bytes) of a long-frame reply with 5
// preambles; empty when the frame is not sound.
struct HartReply {
  uint8_t command = 0;
  uint8_t responseCode = 0xFF;
  std::vector<uint8_t> data;
};

HartReply Decode(const std::vector<uint8_t>& bytes) {
  HartReply reply;
  if (bytes.size() < 5 + 11) return reply;
  const size_t delimiter = 5;
  const uint8_t count = bytes[delimiter + 7];
  if (bytes.size() != delimiter + 8 + count + 1u) return reply;
  if (HartChecksum(std::span(bytes).subspan(delimiter, 8u + count)) != bytes.back()) return reply;
  reply.command = bytes[delimiter + 6];
  reply.responseCode = bytes[delimiter + 8];
  reply.data.assign(bytes.begin() + delimiter + 10, bytes.end() - 1);
  return reply;
}

float FloatAt(const std::vector<uint8_t>& data, size_t at) {
  const uint32_t bits = uint32_t{data[at]} << 24 | uint32_t{data[at + 1]} << 16 |
                        uint32_t{data[at + 2]} << 8 | data[at + 3];
  return std::bit_cast<float>(bits);
}

class SimHart : public ::testing::Test {
 protected:
  SimulatedBench sim{test::Unregistered()};
  RawLine line{sim.DevicePath(Device::kTransmitter), test::kHartFraming};

  HartReply Transact(uint8_t command, const std::vector<uint8_t>& data = {}) {
    line.Write(LongRequest(command, data));
    return Decode(line.ReadReply());
  }
};

TEST_F(SimHart, Command0AtPollingAddress0GetsTheIdentity) {
  const std::vector<uint8_t> request{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0x02, 0x80, 0x00, 0x00, 0x82};
  const std::vector<uint8_t> expected{
      0xFF, 0xFF, 0xFF, 0xFF, 0xFF,              // five preambles, as the identity says
      0x06, 0x80, 0x00, 24, 0x00, 0x00,          // ack, short address, command 0, count, status
      0xFE, 0x1A, 0x7E, 5, 7, 2, 13, 0x18, 0x00,  // identifier, type, preambles, revisions, flags
      0x3C, 0x5A, 0x01, 5, 4, 0x00, 0x00, 0x00,  // device id, response preambles, variables, counter
      0x60, 0xA3, 0x60, 0xA3, 0x01,              // manufacturer, distributor, profile
      0x76};
  EXPECT_EQ(line.Exchange(request, expected.size() + 1, 300ms), expected);
}

TEST_F(SimHart, ReadsAndWritesTheRegisterMemoryWithItsByteOrders) {
  // 128: address and count big-endian; the reply little-endian.
  HartReply read = Transact(128, {0x10, 0xBD, 0x00, 0x02});  // 4285: modbusId, modbusBaud
  ASSERT_EQ(read.responseCode, 0);
  EXPECT_EQ(read.data, (std::vector<uint8_t>{0xBD, 0x10, 0x01, 0x00, 0x80, 0x25}));

  // 129 of Max Level as one float: words high byte first in the request.
  const uint32_t bits = std::bit_cast<uint32_t>(1234.5f);
  const HartReply write = Transact(129, {0x10, 0x89, 0x00, 0x02,
                                         static_cast<uint8_t>(bits >> 8), static_cast<uint8_t>(bits),
                                         static_cast<uint8_t>(bits >> 24), static_cast<uint8_t>(bits >> 16)});
  ASSERT_EQ(write.responseCode, 0);
  EXPECT_EQ(write.data, (std::vector<uint8_t>{0x89, 0x10, 0x02, 0x00}));
  EXPECT_EQ(+sim.transmitter().Registers().maxLevel, 1234.5f);

  // A chunk of the monitor: 25 words of the live block.
  read = Transact(128, {0x10, 0x20, 0x00, 25});
  ASSERT_EQ(read.data.size(), 52u);
  EXPECT_EQ(read.data[2], 'V') << "the firmware text, first character in the low byte";
  EXPECT_EQ(read.data[3], '2');
}

TEST_F(SimHart, UniversalCommandsAnswerWithTheirLayouts) {
  sim.bench().PlaceStageAt(1775.0);  // 2000 mm
  struct Case {
    uint8_t command;
    std::vector<uint8_t> data;
    size_t replyLength;
  };
  const std::vector<uint8_t> message(24, 0x41);
  const std::vector<uint8_t> tagDate(21, 0x42);
  const std::vector<uint8_t> longTag(32, 'x');
  const Case cases[] = {{1, {}, 5},          {2, {}, 8},       {3, {}, 24},     {6, {0, 1}, 2},
                        {7, {}, 2},          {8, {}, 4},       {12, {}, 24},    {13, {}, 21},
                        {14, {}, 16},        {15, {}, 18},     {16, {}, 3},     {17, message, 24},
                        {18, tagDate, 21},   {19, {1, 2, 3}, 3}, {20, {}, 32},  {22, longTag, 32}};
  for (const Case& c : cases) {
    const HartReply reply = Transact(c.command, c.data);
    EXPECT_EQ(reply.command, c.command);
    EXPECT_EQ(reply.responseCode, 0) << "command " << int{c.command};
    EXPECT_EQ(reply.data.size(), c.replyLength) << "command " << int{c.command};
    if (!c.data.empty() && c.command != 6) {
      EXPECT_EQ(reply.data, c.data) << "echo of " << int{c.command};
    }
  }
  const RegisterImage regs = sim.transmitter().Registers();
  const HartReply pv = Transact(1);
  EXPECT_EQ(pv.data[0], 49);  // millimetres
  EXPECT_NEAR(FloatAt(pv.data, 1), 2000.0, 25.0);
  const HartReply current = Transact(2);
  EXPECT_NEAR(FloatAt(current.data, 0), +regs.outputCurrent[0], 0.05);
  const HartReply range = Transact(15);
  EXPECT_EQ(FloatAt(range.data, 3), +regs.maxLevel);
  EXPECT_EQ(FloatAt(range.data, 7), +regs.minLevel);
  // What 17-22 wrote, 12, 13, 16 and 20 read back.
  EXPECT_EQ(Transact(12).data, message);
  EXPECT_EQ(Transact(13).data, tagDate);
  EXPECT_EQ(Transact(16).data, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(Transact(20).data, longTag);
  EXPECT_EQ(Transact(99).responseCode, kHartNotImplemented);
}

TEST_F(SimHart, FixedLoopCurrentModePinsOutputOneAtFourMilliamperes) {
  sim.bench().PlaceStageAt(2000.0);
  ASSERT_EQ(Transact(6, {0, 0}).responseCode, 0);
  EXPECT_NEAR(sim.transmitter().LoopCurrentMa(0), 4.0, 0.5);
  ASSERT_EQ(Transact(6, {0, 1}).responseCode, 0);
  EXPECT_GT(sim.transmitter().LoopCurrentMa(0), 8.0);
}

TEST_F(SimHart, SilentForAnotherAddressAModbusLineOrHartSwitchedOff) {
  line.Write(LongRequest(128, {0x10, 0x20, 0x00, 0x01}, 0x1A7E, 0x3C5A02));
  EXPECT_TRUE(line.ReadUntilQuiet(80ms).empty()) << "another device id";
  line.Write(LongRequest(128, {0x10, 0x20, 0x00, 0x01}, 0x1B7E));
  EXPECT_TRUE(line.ReadUntilQuiet(80ms).empty()) << "another device type";
  auto corrupted = LongRequest(1, {});
  corrupted.back() ^= 1;
  line.Write(corrupted);
  EXPECT_TRUE(line.ReadUntilQuiet(80ms).empty()) << "bad checksum";
  {
    RawLine modbusFraming(sim.DevicePath(Device::kTransmitter), {1200});
    modbusFraming.Write(LongRequest(1, {}));
    EXPECT_TRUE(modbusFraming.ReadUntilQuiet(80ms).empty()) << "1200 8-N-1";
  }
  sim.transmitter().Edit([](RegisterImage& r) { r.hartCommunication = 0; });
  line.Write(LongRequest(1, {}));
  EXPECT_TRUE(line.ReadUntilQuiet(80ms).empty()) << "HART Communcation OFF";
}

TEST_F(SimHart, RepliesWithThePreamblesOfTheIdentity) {
  HartIdentity identity = sim.transmitter().Identity();
  identity.responsePreambles = 0;
  sim.transmitter().SetIdentity(identity);
  line.Write(LongRequest(1, {}));
  const auto reply = line.ReadReply();
  ASSERT_FALSE(reply.empty());
  EXPECT_EQ(reply[0], 0x86);
}

TEST(SimHartPackedAscii, PacksAndUnpacksSixBitCodes) {
  EXPECT_EQ(UnpackAscii(std::vector<uint8_t>{0x04, 0x20, 0xC4}), "ABCD");
  EXPECT_EQ(UnpackAscii(std::vector<uint8_t>{0x07, 0x18, 0x3F}), "A1 ?");
  EXPECT_EQ(PackAscii("abcd", 3), (std::vector<uint8_t>{0x04, 0x20, 0xC4}));
  EXPECT_EQ(UnpackAscii(PackAscii("LT-101", 6)), "LT-101  ");
}

}  // namespace
}  // namespace tavro::sim
