#include "link/crc16.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tavro {
namespace {

struct CrcCase {
  const char* what;
  std::vector<uint8_t> bytes;
  uint16_t crc;
};

TEST(Crc16, MatchesKnownFrames) {
  const std::string_view check = "123456789";
  const CrcCase cases[] = {
      {"empty input", {}, 0xFFFF},
      {"CRC-16/MODBUS check string", {check.begin(), check.end()}, 0x4B37},
      // Published request frames; the CRC goes on the wire low byte first.
      {"read 1 register at 0 (… 84 0A)", {0x01, 0x03, 0x00, 0x00, 0x00, 0x01}, 0x0A84},
      {"read 10 registers at 0 (… C5 CD)", {0x01, 0x03, 0x00, 0x00, 0x00, 0x0A}, 0xCDC5},
      {"slave 0x11, 3 registers at 0x6B (… 76 87)", {0x11, 0x03, 0x00, 0x6B, 0x00, 0x03}, 0x8776},
  };
  for (const CrcCase& c : cases) {
    EXPECT_EQ(Crc16(c.bytes.data(), c.bytes.size()), c.crc) << c.what;
  }
}

TEST(Crc16, FrameWithItsCrcAppendedChecksToZero) {
  std::vector<uint8_t> frame{0x01, 0x10, 0x10, 0x69, 0x00, 0x02, 0x04, 0x00, 0x00, 0x3F, 0x80};
  const uint16_t crc = Crc16(frame.data(), frame.size());
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
  EXPECT_EQ(Crc16(frame.data(), frame.size()), 0);
}

TEST(SwapWordBytes, SwapsEachPairAndLeavesAnOddTailAlone) {
  std::vector<uint8_t> bytes{1, 2, 3, 4, 5, 6};
  SwapWordBytes(bytes.data(), 5);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{2, 1, 4, 3, 5, 6}));
  SwapWordBytes(bytes.data(), 0);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{2, 1, 4, 3, 5, 6}));
}

}  // namespace
}  // namespace tavro
