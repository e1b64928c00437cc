#pragma once
// How the window shows the transmitter's values. Floats are shown widened to
// double precision, so the general format of 0.1f reads "0.100000001490116".
#include <QString>
#include <cstdint>
#include <optional>

namespace tavro {

QString TwoDecimals(float value);   // "0.00"
QString FourDecimals(float value);  // "0.0000"
QString General(float value);       // up to 15 significant digits
QString Unsigned(uint32_t value);   // plain decimal

// The "Modbus Baudrate" item of a rate register; nothing for a rate that is
// not listed (the selector then keeps what it shows).
std::optional<int> BaudRateIndex(uint16_t rate);
// The "Filter Level" item of a percentage register: percent / 10.
int FilterLevelIndex(uint16_t percent);
// A level gauge shows the empty part of the tank: 100 - percentage,
// truncated toward zero (a value that is not a number shows 0).
int GaugeProgress(float distancePercent);

}  // namespace tavro
