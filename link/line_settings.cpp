#include "link/line_settings.h"

#include <array>
#include <utility>

namespace tavro::detail {
namespace {

constexpr std::array<std::pair<uint32_t, speed_t>, 30> kRates{{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

std::optional<tcflag_t> SizeFlag(uint8_t byteSize) {
  switch (byteSize) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    case 8: return CS8;
    default: return std::nullopt;
  }
}

std::optional<tcflag_t> ParityFlags(uint8_t parity) {
  switch (parity) {
    case 0: return tcflag_t{0};
    case 1: return tcflag_t{PARENB | PARODD};
    case 2: return tcflag_t{PARENB};
    case 3: return tcflag_t{PARENB | CMSPAR | PARODD};  // mark
    case 4: return tcflag_t{PARENB | CMSPAR};           // space
    default: return std::nullopt;
  }
}

// A UART sends one and a half stop bits for CSTOPB with 5-bit characters and
// two otherwise; the DCB codes name both, and each only where it exists.
std::optional<tcflag_t> StopFlag(uint8_t stopBits, uint8_t byteSize) {
  switch (stopBits) {
    case 0: return tcflag_t{0};
    case 1: return byteSize == 5 ? std::optional<tcflag_t>(CSTOPB) : std::nullopt;
    case 2: return byteSize != 5 ? std::optional<tcflag_t>(CSTOPB) : std::nullopt;
    default: return std::nullopt;
  }
}

void MakeRaw(termios& tio) {
  cfmakeraw(&tio);
  tio.c_iflag &= ~static_cast<tcflag_t>(IXOFF | IXANY | INPCK | IGNPAR);
  tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | CSTOPB | PARODD | CMSPAR);
  tio.c_cflag |= CLOCAL | CREAD;
  // The descriptor is non-blocking and every wait is a poll(); with VMIN 1 a
  // read without data reports EAGAIN and only a hang-up reads as 0 bytes.
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
}

bool SetRate(termios& tio, uint32_t baudRate) {
  const std::optional<speed_t> speed = BaudConstant(baudRate);
  return speed && cfsetispeed(&tio, *speed) == 0 && cfsetospeed(&tio, *speed) == 0;
}

}  // namespace

std::optional<speed_t> BaudConstant(uint32_t baudRate) {
  for (const auto& [rate, speed] : kRates) {
    if (rate == baudRate) return speed;
  }
  return std::nullopt;
}

bool ConfigureStandard(termios& tio, uint32_t baudRate, uint8_t byteSize, uint8_t parity,
                       uint8_t stopBits) {
  const std::optional<tcflag_t> size = SizeFlag(byteSize);
  const std::optional<tcflag_t> parityFlags = ParityFlags(parity);
  const std::optional<tcflag_t> stop = StopFlag(stopBits, byteSize);
  if (!size || !parityFlags || !stop) return false;
  MakeRaw(tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
  tio.c_cflag |= *size | *parityFlags | *stop;
  return SetRate(tio, baudRate);
}

bool ConfigureHart(termios& tio, uint32_t baudRate) {
  if (!ConfigureStandard(tio, baudRate, 8, 1, 0)) return false;
  // Parity is checked; a character that fails it reads as 0, which the HART
  // frame's own check then rejects.
  tio.c_iflag |= INPCK;
  return true;
}

}  // namespace tavro::detail
