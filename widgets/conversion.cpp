#include "widgets/conversion.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace tavro {
namespace {

[[noreturn]] void Fail(const QString& text, const char* kind) {
  throw EConvertError(QStringLiteral("'%1' is not a valid %2 value")
                          .arg(text, QString::fromUtf8(kind))
                          .toStdString());
}

bool IsBlank(QChar c) { return c == ' ' || c == '\t'; }

QString Trimmed(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.mid(first, last - first);
}

bool AllIn(const QString& digits, bool hex) {
  if (digits.isEmpty()) return false;
  for (QChar c : digits) {
    const char16_t u = c.unicode();
    const bool dec = u >= '0' && u <= '9';
    const bool hexLetter = (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
    if (!(dec || (hex && hexLetter))) return false;
  }
  return true;
}

}  // namespace

int32_t StrToInt(const QString& text) {
  QString body = Trimmed(text);
  bool negative = false;
  if (!body.isEmpty() && (body[0] == '-' || body[0] == '+')) {
    negative = body[0] == '-';
    body.remove(0, 1);
  }
  bool hex = false;
  if (body.startsWith('$')) {
    hex = true;
    body.remove(0, 1);
  } else if (body.startsWith(QStringLiteral("0x")) || body.startsWith(QStringLiteral("0X"))) {
    hex = true;
    body.remove(0, 2);
  }
  if (!AllIn(body, hex)) Fail(text, "integer");
  const std::string ascii = body.toStdString();
  uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude, hex ? 16 : 10);
  if (error != std::errc() || end != ascii.data() + ascii.size()) Fail(text, "integer");
  if (hex && !negative && magnitude <= 0xffffffffu) {
    // Hexadecimal text names the 32 bits: "$FFFFFFFF" is -1.
    return static_cast<int32_t>(static_cast<uint32_t>(magnitude));
  }
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (magnitude > limit) Fail(text, "integer");
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                  : static_cast<int32_t>(magnitude);
}

double StrToFloat(const QString& text) {
  const QString body = Trimmed(text);
  // Sign, digits with at most one ".", at least one digit, then an optional
  // exponent with its own sign and at least one digit. No "inf", no "nan".
  qsizetype i = 0;
  const qsizetype n = body.size();
  auto isDigit = [&](qsizetype k) { return k < n && body[k] >= '0' && body[k] <= '9'; };
  if (i < n && (body[i] == '+' || body[i] == '-')) ++i;
  int mantissaDigits = 0;
  while (isDigit(i)) ++i, ++mantissaDigits;
  if (i < n && body[i] == '.') {
    ++i;
    while (isDigit(i)) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) Fail(text, "floating point");
  if (i < n && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    if (i < n && (body[i] == '+' || body[i] == '-')) ++i;
    if (!isDigit(i)) Fail(text, "floating point");
    while (isDigit(i)) ++i;
  }
  if (i != n) Fail(text, "floating point");

  std::string ascii = body.toStdString();
  if (!ascii.empty() && ascii[0] == '+') ascii.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small rounds to zero; too large does not convert.
    const auto e = ascii.find_first_of("eE");
    if (e != std::string::npos && ascii.find('-', e) != std::string::npos) return 0.0;
    Fail(text, "floating point");
  }
  if (error != std::errc() || end != ascii.data() + ascii.size()) Fail(text, "floating point");
  return value;
}

}  // namespace tavro
