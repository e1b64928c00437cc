#pragma once
// The number formats the window shows.
#include <QString>

namespace tavro {

// General format, up to 15 significant digits, no trailing zeros:
// 0.1f widened to double shows as "0.100000001490116"; 1e20 as "1E20".
QString FloatToStr(double value);
// Pattern formats such as "0.00", "0.0000" and "###0.000": the given number
// of decimals, rounded half away from zero, at least one integer digit.
QString FormatFloat(const QString& pattern, double value);

}  // namespace tavro
