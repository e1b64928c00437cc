#pragma once
// Button "產品日期及序號寫入": writes the product name ("產品名稱", 24 bytes
// from 4206), the model ("產品型號", 14 bytes from 4218) and the inspection
// date ("檢驗日期", 8 bytes from 4225) in code page 950, each only when it
// is shorter than its registers (room for the terminating zero), then both
// commit flags; logs each text written and counts the unit in "檢驗數量".
// The transmitter's answers are not examined. A text with characters that
// CP950 lacks is refused before anything is written.
#include <QString>

namespace tavro {

void WriteProductData();

// "檢驗數量" after one more unit: an empty field counts as 0; other text
// that is not a whole number raises the conversion error.
QString NextInspectedCount(const QString& count);

}  // namespace tavro
