#pragma once
// Everything the transmitter answers on its one line. The line's settings
// choose the protocol, as the real unit's UART does:
//   - 1200 baud with odd parity: HART (when "HART Communcation" is ON);
//   - the unit's Modbus baud without parity: Modbus RTU and the echo-data
//     commands (chunk request: address, 0xFF, 8 bytes; begin: address, 0xAA;
//     end: address, 0xBB), at the unit's slave address;
//   - anything else: the bytes are noise to it, nothing is answered.
#include "sim/line_protocol.h"
#include "sim/transmitter.h"

namespace tavro::sim {

class TransmitterLine : public LineProtocol {
 public:
  explicit TransmitterLine(Transmitter& transmitter) : transmitter_(transmitter) {}

  FrameScan Scan(std::span<const uint8_t> pending, const LineState& line) override;
  std::optional<Reply> Handle(std::span<const uint8_t> frame, const LineState& line,
                              const Faults& faults) override;

 private:
  enum class Mode { kDeaf, kModbus, kHart };
  Mode ModeOf(const LineState& line) const;

  Transmitter& transmitter_;
};

}  // namespace tavro::sim
