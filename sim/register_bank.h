#pragma once
// Holding registers as a Modbus slave (or the HART memory commands) reach
// them. Results are Modbus exception codes: 0 for success, 2 for an address
// outside the device's registers, 4 for a device failure.
#include <cstdint>

namespace tavro::sim {

inline constexpr uint8_t kIllegalFunction = 1;
inline constexpr uint8_t kIllegalAddress = 2;
inline constexpr uint8_t kIllegalValue = 3;
inline constexpr uint8_t kDeviceFailure = 4;

class RegisterBank {
 public:
  virtual ~RegisterBank() = default;
  // Fills `out` with `count` host-order words from register `first` on.
  virtual uint8_t ReadRegisters(uint16_t first, uint16_t count, uint16_t* out) = 0;
  // Stores `count` host-order words from register `first` on, all or none.
  virtual uint8_t WriteRegisters(uint16_t first, uint16_t count, const uint16_t* words) = 0;
};

}  // namespace tavro::sim
