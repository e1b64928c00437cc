#pragma once
// The numeric parameter fields: which register each one shows, in which
// format, and how its typed text goes back into a register image. The live
// monitor shows them with ShowParameter, the parameter write reads them back
// with StoreParameter, so the two always agree.
#include <QString>
#include <array>
#include <cstdint>

#include "link/live_readings.h"

namespace tavro {

enum class Shown { kUnsigned, kTwoDecimals, kFourDecimals, kGeneral };
// kInteger16 and kInteger32 are stored as unsigned integers of that width,
// kReal as float, kIntegerAsFloat is typed as a whole number and stored as
// float.
enum class Typed { kInteger16, kInteger32, kReal, kIntegerAsFloat };

struct ParameterField {
  int field;
  uint16_t reg;
  Shown shown;
  Typed typed;
};

inline constexpr int kParameterFieldCount = 25;

// In the order the display shows them.
extern const std::array<ParameterField, kParameterFieldCount> kParameterFields;
// Field numbers in the order the parameter write converts them.
extern const std::array<int, kParameterFieldCount> kConversionOrder;

const ParameterField& ParameterFieldOf(int field);

// The register's value as the field shows it.
QString ShowParameter(const RegisterImage& image, const ParameterField& parameter);
// Converts `text` as the field is typed and stores it in the register; the
// conversion error is raised for text that does not convert.
void StoreParameter(RegisterImage& image, const ParameterField& parameter, const QString& text);

}  // namespace tavro
