#pragma once
// The line settings the tool has put on a pseudo-terminal, as the device end
// sees them. Linux answers tcgetattr on the master with the slave's termios;
// the pty keeps the rate, the stop bits and PARODD, but always clears PARENB,
// so an odd-parity open shows as PARODD alone.
#include <cstdint>
#include <optional>

namespace tavro::sim {

struct LineState {
  uint32_t baud = 0;         // bit/s, 0 when the rate has no known constant
  bool oddParity = false;    // the tool asked for odd parity (HART modem open)
  bool twoStopBits = false;

  // Transmit time of one character: start, 8 data, parity, stop bits.
  double CharacterSeconds() const;
};

// Reads the settings through the master descriptor; nothing on failure.
std::optional<LineState> ReadLineState(int masterFd);

}  // namespace tavro::sim
