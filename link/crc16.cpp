#include "link/crc16.h"

#include <utility>

namespace tavro {

uint16_t Crc16(const uint8_t* bytes, size_t length) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < length; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1u) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001u) : static_cast<uint16_t>(crc >> 1);
    }
  }
  return crc;
}

void SwapWordBytes(uint8_t* buffer, size_t length) {
  // An odd trailing byte has no partner and stays where it is.
  for (size_t i = 0; i + 1 < length; i += 2) std::swap(buffer[i], buffer[i + 1]);
}

}  // namespace tavro
