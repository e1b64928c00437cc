#pragma once
// Field texts are converted when used. Text that does not convert raises the
// toolkit's conversion error, whose message the top-level handler shows, for
// example "'abc' is not a valid integer value".
#include <QString>
#include <cstdint>
#include <stdexcept>

namespace tavro {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decimal whole number with optional sign and surrounding blanks; also the
// "$" hexadecimal prefix. Out of 32-bit range is an error.
int32_t StrToInt(const QString& text);
// Decimal number with "." as decimal point, optional exponent and blanks.
double StrToFloat(const QString& text);

}  // namespace tavro
