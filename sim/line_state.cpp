#include "sim/line_state.h"

#include <termios.h>

#include <array>
#include <utility>

namespace tavro::sim {
namespace {

constexpr std::array<std::pair<speed_t, uint32_t>, 13> kRates{{
    {B300, 300}, {B600, 600}, {B1200, 1200}, {B1800, 1800}, {B2400, 2400},
    {B4800, 4800}, {B9600, 9600}, {B19200, 19200}, {B38400, 38400}, {B57600, 57600},
    {B115200, 115200}, {B230400, 230400}, {B460800, 460800},
}};

}  // namespace

double LineState::CharacterSeconds() const {
  if (baud == 0) return 0.0;
  const int bits = 1 + 8 + (oddParity ? 1 : 0) + (twoStopBits ? 2 : 1);
  return static_cast<double>(bits) / baud;
}

std::optional<LineState> ReadLineState(int masterFd) {
  termios tio{};
  if (tcgetattr(masterFd, &tio) != 0) return std::nullopt;
  LineState line;
  const speed_t speed = cfgetospeed(&tio);
  for (const auto& [constant, rate] : kRates) {
    if (constant == speed) line.baud = rate;
  }
  line.oddParity = (tio.c_cflag & PARODD) != 0;
  line.twoStopBits = (tio.c_cflag & CSTOPB) != 0;
  return line;
}

}  // namespace tavro::sim
