// The transmitter's Modbus RTU slave, driven with raw frames.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "link/crc16.h"
#include "link/register_map.h"
#include "raw_line.h"
#include "sim/simulated_bench.h"

namespace tavro::sim {
namespace {

using namespace std::chrono_literals;
using test::RawLine;

class SimTransmitterModbus : public ::testing::Test {
 protected:
  SimulatedBench sim{test::Unregistered()};
  RawLine line{sim.DevicePath(Device::kTransmitter)};

  uint16_t ReplyWord(const std::vector<uint8_t>& reply, size_t index) {
    return static_cast<uint16_t>(reply[3 + 2 * index] << 8 | reply[4 + 2 * index]);
  }
};

TEST_F(SimTransmitterModbus, ReadsTheMeasurementBlockWithItsValuesOnTheWire) {
  const std::vector<uint8_t> reply = line.Exchange(test::ReadRequest(1, reg::kMeasurementFirst, 78), 161);
  ASSERT_EQ(reply.size(), 161u) << test::Hex(reply);
  EXPECT_EQ(reply[0], 1);
  EXPECT_EQ(reply[1], 0x03);
  EXPECT_EQ(reply[2], 156);
  const uint16_t crc = Crc16(reply.data(), 159);
  EXPECT_EQ(reply[159], crc & 0xFF);
  EXPECT_EQ(reply[160], crc >> 8);
  // "V2.13R": first character in the low byte, so "2V" is the first word.
  EXPECT_EQ(ReplyWord(reply, 0), 0x3256);
  // Peak1 Count, low half first, near 1.1 counts per mm at 225 mm.
  const uint32_t bits = uint32_t{ReplyWord(reply, 4187 - 4128)} << 16 | ReplyWord(reply, 4186 - 4128);
  EXPECT_NEAR(std::bit_cast<float>(bits), 14.2 + 1.1037 * 225, 2.0);
}

TEST_F(SimTransmitterModbus, WritesEchoAndPersist) {
  const auto single = test::WriteOneRequest(1, reg::filterLevel, 70);
  EXPECT_EQ(line.Exchange(single, 8), single);

  const float maxLevel = 321.5f;
  const uint32_t bits = std::bit_cast<uint32_t>(maxLevel);
  const auto block = test::WriteManyRequest(
      1, reg::maxLevel, {static_cast<uint16_t>(bits & 0xFFFF), static_cast<uint16_t>(bits >> 16)});
  const auto reply = line.Exchange(block, 8);
  EXPECT_EQ(reply, test::WithCrc({1, 0x10, 0x10, 0x89, 0x00, 0x02}));

  const RegisterImage regs = sim.transmitter().Registers();
  EXPECT_EQ(+regs.filterLevel, 70);
  EXPECT_EQ(+regs.maxLevel, maxLevel);
}

TEST_F(SimTransmitterModbus, RefusesAddressesOutsideItsMemoryWithExceptions) {
  struct Case {
    const char* what;
    std::vector<uint8_t> request;
    uint8_t function;
    uint8_t code;
  };
  const Case cases[] = {
      {"read below 4096", test::ReadRequest(1, 4095, 2), 0x83, 2},
      {"read past 4339", test::ReadRequest(1, 4330, 11), 0x83, 2},
      {"read of 126 registers", test::ReadRequest(1, 4096, 126), 0x83, 3},
      {"write into the measurement block", test::WriteOneRequest(1, reg::distance, 1), 0x86, 2},
      {"block write past 4339", test::WriteManyRequest(1, 4338, {1, 2, 3}), 0x90, 2},
      {"unknown register", test::WriteOneRequest(1, 4340, 1), 0x86, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(line.Exchange(c.request, 5), test::WithCrc({1, c.function, c.code})) << c.what;
  }
}

TEST_F(SimTransmitterModbus, StaysSilentForOtherAddressesAndBroadcasts) {
  EXPECT_TRUE(line.Exchange(test::ReadRequest(2, 4128, 2), 9, 150ms).empty());
  // A broadcast write is carried out without a reply.
  EXPECT_TRUE(line.Exchange(test::WriteOneRequest(0, reg::windowRange, 333), 8, 150ms).empty());
  EXPECT_TRUE(test::WaitUntil([&] { return sim.transmitter().Registers().windowRange == 333; }));
}

TEST_F(SimTransmitterModbus, IsDeafAtAnotherBaudRate) {
  RawLine fast(sim.DevicePath(Device::kTransmitter), {19200});
  EXPECT_TRUE(fast.Exchange(test::ReadRequest(1, 4128, 2), 9, 150ms).empty());
}

TEST_F(SimTransmitterModbus, ResynchronisesAfterNoise) {
  std::vector<uint8_t> noisy{0x37, 0x01, 0x99};
  const auto request = test::ReadRequest(1, reg::modbusId, 1);
  noisy.insert(noisy.end(), request.begin(), request.end());
  EXPECT_EQ(line.Exchange(noisy, 7), test::WithCrc({1, 3, 2, 0, 1}));
}

TEST_F(SimTransmitterModbus, NewAddressAndBaudTakeEffectAfterTheReply) {
  // One block write of both, as the parameter write sends them: the reply
  // still comes at the old address and rate.
  const auto request = test::WriteManyRequest(1, reg::modbusId, {7, 19200});
  EXPECT_EQ(line.Exchange(request, 8).size(), 8u);
  EXPECT_TRUE(line.Exchange(test::ReadRequest(1, reg::modbusId, 1), 7, 150ms).empty());
  {
    RawLine fast(sim.DevicePath(Device::kTransmitter), {19200});
    EXPECT_TRUE(fast.Exchange(test::ReadRequest(1, reg::modbusId, 1), 7, 150ms).empty());
    EXPECT_EQ(fast.Exchange(test::ReadRequest(7, reg::modbusId, 1), 7), test::WithCrc({7, 3, 2, 0, 7}));
    // A rate that is not in the list is stored but changes nothing.
    EXPECT_EQ(fast.Exchange(test::WriteOneRequest(7, reg::modbusBaud, 12345), 8).size(), 8u);
    EXPECT_EQ(fast.Exchange(test::ReadRequest(7, reg::modbusBaud, 1), 7), test::WithCrc({7, 3, 2, 0x30, 0x39}));
  }
  EXPECT_EQ(sim.transmitter().ModbusBaud(), 19200u);
}

TEST_F(SimTransmitterModbus, CommitSavesResetReloadsAndTheCommandsClear) {
  auto write = [&](uint16_t reg, uint16_t value) {
    ASSERT_EQ(line.Exchange(test::WriteOneRequest(1, reg, value), 8).size(), 8u);
  };
  write(reg::windowRange, 111);
  write(reg::commitFlag0, 1);
  write(reg::windowRange, 222);  // not committed
  write(reg::currentCalMode, 1);
  RegisterImage regs = sim.transmitter().Registers();
  EXPECT_EQ(+regs.commitFlag0, 0) << "the flag reads back 0 once committed";
  EXPECT_EQ(+regs.windowRange, 222);
  EXPECT_EQ(sim.transmitter().Commits(), 1u);

  write(reg::resetCommand, 1);
  regs = sim.transmitter().Registers();
  EXPECT_EQ(+regs.resetCommand, 0);
  EXPECT_EQ(+regs.windowRange, 111) << "a reset reloads the saved configuration";
  EXPECT_EQ(+regs.currentCalMode[0], 0);

  sim.transmitter().Edit([](RegisterImage& r) { r.echoMarker[1] = 1; });
  write(reg::researchCommand, 1);
  regs = sim.transmitter().Registers();
  EXPECT_EQ(+regs.researchCommand, 0);
  // The reference pulse drifts a sample or two with the temperature.
  EXPECT_NEAR(+regs.echoMarker[1], kReferenceSample + 225 * 4, 3) << "research stores the markers it found";
}

}  // namespace
}  // namespace tavro::sim
