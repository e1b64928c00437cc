#include "widgets/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tavro {
namespace {

// Significant digits of |value| (no leading zeros, at least one digit) and
// the decimal exponent of the first one, rounded to `significant` digits.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal ToDecimal(double magnitude, int significant) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, magnitude);
  Decimal d;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits += *p;
  }
  d.exponent = std::atoi(p + 1);
  return d;
}

void StripTrailingZeros(std::string& digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

}  // namespace

QString FloatToStr(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");
  Decimal d = ToDecimal(std::fabs(value), 15);
  StripTrailingZeros(d.digits);
  std::string out = value < 0 ? "-" : "";
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent >= 15 || d.exponent < -5) {
    out += d.digits[0];
    if (digitCount > 1) out += "." + d.digits.substr(1);
    out += "E" + std::to_string(d.exponent);
  } else if (d.exponent >= 0) {
    if (digitCount <= d.exponent + 1) {
      out += d.digits + std::string(d.exponent + 1 - digitCount, '0');
    } else {
      out += d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
    }
  } else {
    out += "0." + std::string(-d.exponent - 1, '0') + d.digits;
  }
  return QString::fromStdString(out);
}

QString FormatFloat(const QString& pattern, double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  const qsizetype point = pattern.indexOf('.');
  const QString integerPart = point < 0 ? pattern : pattern.left(point);
  const QString fractionPart = point < 0 ? QString() : pattern.mid(point + 1);
  const int minInteger = static_cast<int>(integerPart.count('0'));
  const int required = static_cast<int>(fractionPart.count('0'));
  const int decimals = static_cast<int>(fractionPart.count('0') + fractionPart.count('#'));

  // The value as 18 significant decimal digits, then rounded half away from
  // zero at the pattern's last decimal.
  std::string intDigits, fracDigits;
  if (value != 0) {
    const Decimal d = ToDecimal(std::fabs(value), 18);
    const int pointPos = d.exponent + 1;  // digits before the decimal point
    std::string all = d.digits;
    if (pointPos <= 0) {
      all = std::string(-pointPos, '0') + all;
      intDigits = "";
      fracDigits = all;
    } else if (pointPos >= static_cast<int>(all.size())) {
      intDigits = all + std::string(pointPos - all.size(), '0');
    } else {
      intDigits = all.substr(0, pointPos);
      fracDigits = all.substr(pointPos);
    }
  }
  fracDigits.resize(std::max<size_t>(fracDigits.size(), decimals + 1), '0');
  const bool roundUp = fracDigits[decimals] >= '5';
  fracDigits.resize(decimals);
  std::string number = intDigits + fracDigits;
  if (roundUp) {
    int k = static_cast<int>(number.size()) - 1;
    for (; k >= 0; --k) {
      if (number[k] == '9') {
        number[k] = '0';
      } else {
        ++number[k];
        break;
      }
    }
    if (k < 0) number.insert(number.begin(), '1');
  }
  std::string integer = number.substr(0, number.size() - decimals);
  std::string fraction = number.substr(number.size() - decimals);
  while (!integer.empty() && integer[0] == '0') integer.erase(0, 1);
  if (static_cast<int>(integer.size()) < minInteger) {
    integer.insert(0, minInteger - integer.size(), '0');
  }
  while (static_cast<int>(fraction.size()) > required && fraction.back() == '0') fraction.pop_back();

  const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                    fraction.find_first_not_of('0') == std::string::npos;
  std::string out = (value < 0 && !zero) ? "-" : "";
  out += integer;
  if (!fraction.empty()) out += "." + fraction;
  if (integer.empty() && fraction.empty()) out += "0";
  return QString::fromStdString(out);
}

}  // namespace tavro
