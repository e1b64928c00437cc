#pragma once
// Modbus RTU slave side of functions 03, 06 and 16: finding a request by its
// expected length and CRC, and answering it from a RegisterBank.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/line_protocol.h"
#include "sim/register_bank.h"

namespace tavro::sim {

// 03 and 06: 8 bytes; 16: 9 + its byte count. A frame whose CRC fails, or an
// unknown function code, skips one byte, so the receiver slides back into
// step after noise.
FrameScan ScanRtuRequest(std::span<const uint8_t> pending);

// The reply to a complete request, or nothing: another slave's address, a
// broadcast (address 0: writes are carried out, nothing is answered).
// `exceptionFault` answers every request for us with exception 04.
std::optional<std::vector<uint8_t>> AnswerRtuRequest(std::span<const uint8_t> frame,
                                                     uint8_t ownAddress, RegisterBank& bank,
                                                     bool exceptionFault);

// Appends the CRC (low byte first).
void AppendCrc(std::vector<uint8_t>& frame);
bool CrcMatches(std::span<const uint8_t> frame);

}  // namespace tavro::sim
