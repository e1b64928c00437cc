#pragma once
// The transmitter as a HART slave: frames from the master (preambles,
// delimiter 0x02 or 0x82, address, command, byte count, data, XOR checksum)
// and the replies to command 0, the universal commands 1-3, 6-8, 12-20 and
// 22, and the memory commands 128 and 129. Requests for another address get
// no reply; unknown commands get response code 64.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/line_protocol.h"
#include "sim/transmitter.h"

namespace tavro::sim {

inline constexpr uint8_t kHartNotImplemented = 64;
inline constexpr uint8_t kHartInvalidSelection = 2;
inline constexpr uint8_t kHartTooFewDataBytes = 5;
inline constexpr uint8_t kHartDeviceSpecificError = 6;

uint8_t HartChecksum(std::span<const uint8_t> bytes);

// Any number of 0xFF preambles (none included), then a master-to-slave frame
// whose checksum holds; anything else skips a byte.
FrameScan ScanHartRequest(std::span<const uint8_t> pending);

std::optional<std::vector<uint8_t>> AnswerHartRequest(std::span<const uint8_t> frame,
                                                      Transmitter& transmitter,
                                                      bool exceptionFault);

}  // namespace tavro::sim
