#include "connection/parameter_fields.h"

#include <stdexcept>

#include "connection/display_formats.h"
#include "link/register_map.h"
#include "widgets/conversion.h"

namespace tavro {

using enum Shown;
using enum Typed;

const std::array<ParameterField, kParameterFieldCount> kParameterFields{{
    {32, reg::modbusId, kUnsigned, kInteger16},             // "Modbus ID"
    {33, reg::maxLevel, kTwoDecimals, kReal},               // "Max Level"
    {34, reg::minLevel, kTwoDecimals, kReal},               // "Min Level"
    {35, reg::probeLength, kGeneral, kIntegerAsFloat},      // "Probe Length"
    {36, reg::triggerLevelSetting, kUnsigned, kInteger16},  // "trigger level"
    {45, reg::distanceOffset, kTwoDecimals, kReal},         // "Distance offset 1"
    {46, reg::distanceOffset + 2, kTwoDecimals, kReal},     // "Distance offset 2"
    {37, reg::dielectricConstant, kTwoDecimals, kReal},     // "Dielectric Constant"
    {38, reg::lowCount, kTwoDecimals, kReal},               // "Low Count"
    {39, reg::lowPosition, kUnsigned, kInteger16},          // "Low Position"
    {40, reg::spanValue, kFourDecimals, kReal},             // "Span Value"
    {41, reg::probeEndCount, kUnsigned, kInteger16},        // "Probe End Count"
    {42, reg::probeEndValue, kUnsigned, kInteger16},        // "Probe End Value"
    {43, reg::dynamicFilter, kFourDecimals, kReal},         // "Dynamic Filter value"
    {44, reg::blindDistance, kFourDecimals, kReal},         // "Blind Distance"
    {47, reg::dac, kUnsigned, kInteger16},                  // "DAC Out1 4mA"
    {48, reg::dac + 1, kUnsigned, kInteger16},              // "DAC Out1 20mA"
    {49, reg::dac + 2, kUnsigned, kInteger16},              // "DAC Out2 4mA"
    {50, reg::dac + 3, kUnsigned, kInteger16},              // "DAC Out2 20mA"
    {82, reg::echoMarker, kUnsigned, kInteger16},           // "Max"
    {83, reg::echoMarker + 1, kUnsigned, kInteger16},       // "1st"
    {84, reg::echoMarker + 2, kUnsigned, kInteger16},       // "2nd"
    {85, reg::echoMarker + 3, kUnsigned, kInteger16},       // "End"
    {51, reg::windowRange, kUnsigned, kInteger16},          // "Window Range"
    {52, reg::windowLockTime, kUnsigned, kInteger32},       // "Window Lock Time"
}};

const std::array<int, kParameterFieldCount> kConversionOrder{
    32, 34, 33, 35, 36, 45, 46, 37, 38, 39, 40, 41, 42, 43, 44, 82, 83, 84, 85, 47, 48, 49, 50, 51, 52};

const ParameterField& ParameterFieldOf(int field) {
  for (const ParameterField& parameter : kParameterFields) {
    if (parameter.field == field) return parameter;
  }
  throw std::out_of_range("not a numeric parameter field");
}

QString ShowParameter(const RegisterImage& image, const ParameterField& parameter) {
  const uint16_t r = parameter.reg;
  switch (parameter.typed) {
    case kInteger16: return Unsigned(image.Word(r));
    case kInteger32: return Unsigned(image.Uint32(r));
    case kReal:
    case kIntegerAsFloat: break;
  }
  const float value = image.Float(r);
  switch (parameter.shown) {
    case kTwoDecimals: return TwoDecimals(value);
    case kFourDecimals: return FourDecimals(value);
    case kGeneral:
    case kUnsigned: break;
  }
  return General(value);
}

void StoreParameter(RegisterImage& image, const ParameterField& parameter, const QString& text) {
  const uint16_t r = parameter.reg;
  switch (parameter.typed) {
    case kInteger16: image.SetWord(r, static_cast<uint16_t>(StrToInt(text))); return;
    case kInteger32: image.SetUint32(r, static_cast<uint32_t>(StrToInt(text))); return;
    case kIntegerAsFloat: image.SetFloat(r, static_cast<float>(StrToInt(text))); return;
    case kReal: image.SetFloat(r, static_cast<float>(StrToFloat(text))); return;
  }
}

}  // namespace tavro
