#pragma once
// CRC-16/MODBUS and the word byte swap of the Modbus wire format. Shared by
// the master and by the simulated devices.
#include <cstddef>
#include <cstdint>

namespace tavro {

// Start 0xFFFF, reflected polynomial 0xA001. Appended low byte first.
uint16_t Crc16(const uint8_t* bytes, size_t length);

// Swaps the two bytes of every 16-bit word in place, for `length` bytes.
void SwapWordBytes(uint8_t* buffer, size_t length);

}  // namespace tavro
