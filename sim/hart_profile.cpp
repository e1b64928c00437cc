#include "sim/hart_profile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tavro::sim {

namespace {

template <size_t N>
void FillPacked(std::array<uint8_t, N>& field, std::string_view text) {
  const std::vector<uint8_t> packed = PackAscii(text, N);
  std::copy(packed.begin(), packed.end(), field.begin());
}

}  // namespace

HartRecords::HartRecords() {
  FillPacked(message, "TDR LEVEL TRANSMITTER ON BENCH");
  FillPacked(tag, "LT-101");
  FillPacked(descriptor, "GUIDED RADAR");
  constexpr std::string_view kLongTag = "Tank 1 level, guided-wave radar";
  std::memcpy(longTag.data(), kLongTag.data(), std::min(kLongTag.size(), longTag.size()));
}

std::vector<uint8_t> PackAscii(std::string_view text, size_t packedBytes) {
  const size_t characters = packedBytes / 3 * 4;
  std::vector<uint8_t> packed(packedBytes, 0);
  for (size_t group = 0; group * 4 < characters; ++group) {
    uint32_t v = 0;
    for (size_t k = 0; k < 4; ++k) {
      const size_t i = group * 4 + k;
      unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
      c = static_cast<unsigned char>(std::toupper(c));
      if (c < 0x20 || c > 0x5F) c = '?';
      v = v << 6 | (c & 0x3F);
    }
    packed[group * 3] = static_cast<uint8_t>(v >> 16);
    packed[group * 3 + 1] = static_cast<uint8_t>(v >> 8);
    packed[group * 3 + 2] = static_cast<uint8_t>(v);
  }
  return packed;
}

std::string UnpackAscii(std::span<const uint8_t> packed) {
  std::string text;
  for (size_t i = 0; i + 2 < packed.size(); i += 3) {
    const uint32_t v = uint32_t{packed[i]} << 16 | uint32_t{packed[i + 1]} << 8 | packed[i + 2];
    for (int shift = 18; shift >= 0; shift -= 6) {
      uint8_t code = (v >> shift) & 0x3F;
      if ((code & 0x20) == 0) code |= 0x40;
      text.push_back(static_cast<char>(code));
    }
  }
  return text;
}

std::array<uint8_t, 22> IdentityBytes(const HartIdentity& id) {
  return {254,
          static_cast<uint8_t>(id.expandedDeviceType >> 8),
          static_cast<uint8_t>(id.expandedDeviceType),
          id.requestPreambles,
          id.hartRevision,
          id.deviceRevision,
          id.softwareRevision,
          static_cast<uint8_t>((id.hardwareRevision & 0x1F) << 3 | (id.physicalSignalingCode & 7)),
          id.flags,
          static_cast<uint8_t>(id.deviceId >> 16),
          static_cast<uint8_t>(id.deviceId >> 8),
          static_cast<uint8_t>(id.deviceId),
          id.responsePreambles,
          id.maxDeviceVariables,
          static_cast<uint8_t>(id.configChangeCounter >> 8),
          static_cast<uint8_t>(id.configChangeCounter),
          id.extendedStatus,
          static_cast<uint8_t>(id.manufacturerId >> 8),
          static_cast<uint8_t>(id.manufacturerId),
          static_cast<uint8_t>(id.distributorCode >> 8),
          static_cast<uint8_t>(id.distributorCode),
          id.deviceProfile};
}

}  // namespace tavro::sim
