#pragma once
// The termios values of the two open configurations of SerialPort. Kept
// apart from the port so that they can be checked without a UART: a
// pseudo-terminal stores the rate but forces 8 data bits and no parity
// whatever it is asked.
#include <termios.h>

#include <cstdint>
#include <optional>

namespace tavro::detail {

// The termios speed of `baudRate` bit/s, or nothing for a rate the line
// discipline has no constant for.
std::optional<speed_t> BaudConstant(uint32_t baudRate);

// Standard configuration on top of the settings read from the driver: raw
// bytes, receiver on, modem status lines and flow control off, framing from
// the DCB codes (byte size 5-8; parity 0 none, 1 odd, 2 even, 3 mark,
// 4 space; stop bits 0 one, 1 one and a half (5 data bits only), 2 two (not
// with 5 data bits)). False, leaving `tio` unspecified, for a code or rate the
// line cannot take.
bool ConfigureStandard(termios& tio, uint32_t baudRate, uint8_t byteSize, uint8_t parity,
                       uint8_t stopBits);

// HART-modem configuration: `baudRate`, 8 data bits, odd parity checked on
// input, one stop bit, no flow control.
bool ConfigureHart(termios& tio, uint32_t baudRate);

}  // namespace tavro::detail
