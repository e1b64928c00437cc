#pragma once
// The transmitter's HART identity (command 0) and the records the universal
// commands read and write. Texts are kept as they travel, packed ASCII.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavro::sim {

struct HartIdentity {
  uint16_t expandedDeviceType = 0x1A7E;  // bits 8-13 and 0-7 go into long addresses
  uint8_t requestPreambles = 5;          // minimum master to slave
  uint8_t responsePreambles = 5;         // what the transmitter sends
  uint8_t hartRevision = 7;
  uint8_t deviceRevision = 2;
  uint8_t softwareRevision = 13;
  uint8_t hardwareRevision = 3;          // 5 bits
  uint8_t physicalSignalingCode = 0;     // 3 bits, 0: Bell 202 current
  uint8_t flags = 0;
  uint32_t deviceId = 0x3C5A01;          // 24 bits
  uint8_t maxDeviceVariables = 4;
  uint16_t configChangeCounter = 0;      // counted up by every commit
  uint8_t extendedStatus = 0;
  uint16_t manufacturerId = 0x60A3;
  uint16_t distributorCode = 0x60A3;
  uint8_t deviceProfile = 1;             // process automation device
};

struct HartRecords {
  uint8_t pollingAddress = 0;   // short address, 0-63
  uint8_t loopCurrentMode = 1;  // 1: 4-20 mA follows the level; 0: fixed at 4 mA
  std::array<uint8_t, 24> message{};     // packed, 32 characters
  std::array<uint8_t, 6> tag{};          // packed, 8 characters
  std::array<uint8_t, 12> descriptor{};  // packed, 16 characters
  uint8_t day = 5, month = 1, yearSince1900 = 126;
  uint32_t finalAssemblyNumber = 0x012345;  // 24 bits
  uint32_t transducerSerial = 0x00A1B2;     // 24 bits
  std::array<uint8_t, 32> longTag{};        // Latin-1, zero padded

  HartRecords();
};

// HART packed ASCII: four 6-bit codes in three bytes, characters 0x20-0x5F
// (lower case is sent as upper case). The text is padded with spaces to
// fill `packedBytes` bytes (a multiple of 3).
std::vector<uint8_t> PackAscii(std::string_view text, size_t packedBytes);
std::string UnpackAscii(std::span<const uint8_t> packed);

// The 22 data bytes of the command 0 reply.
std::array<uint8_t, 22> IdentityBytes(const HartIdentity& identity);

}  // namespace tavro::sim
