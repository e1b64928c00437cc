#pragma once
// The transmitter's 8-bit texts (product texts, "Firmware Version") are in
// code page 950 (Big5); ASCII is the same in both. A text's length limit on
// the transmitter counts the bytes after conversion.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace tavro {

// Nothing when a character has no code in CP950: such a text cannot be
// written as it stands.
std::optional<std::string> EncodeCp950(const QString& text);
// Up to the first zero byte; a byte sequence that is not CP950 shows as
// U+FFFD and decoding goes on after it.
QString DecodeCp950(std::string_view bytes);

}  // namespace tavro
