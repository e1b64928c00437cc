#pragma once
// LiveReadings: the program-wide mirror of registers 4096-4339 in host byte
// order, register r at word r - 4096. The struct is packed so that every
// field sits exactly on its register (checked below); 32-bit fields on odd
// registers are therefore unaligned, so never take their address: read and
// assign them by name, or use the typed accessors.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/register_map.h"

namespace tavro {

static_assert(std::endian::native == std::endian::little,
              "register images are kept in little-endian host order");

#pragma pack(push, 1)
struct RegisterImage {
  uint16_t probeArea[32];  // 4096-4127, read by the probe only, never filled

  // Measurement block, 4128-4205.
  char firmwareVersion[8];
  float display[2];
  float distance[2];
  float distancePercent[2];
  float outputCurrent[2];
  float distanceMax0;
  float distanceMin0;
  float distanceMax1;
  float distanceMin1;
  float temperature;
  float bgShiftX;
  float bgShiftY;
  uint16_t unused4162[8];
  float adcPeak[8];
  float peak1Count[2];
  float delta22Hz;
  uint16_t unused4192[4];
  float bgSaveCount;
  float triggerLevel[2];
  float bgTriggerLevel[2];

  // Configuration block, 4206-4339.
  char productText1[24];
  char productText2[14];
  char productText3[8];
  uint16_t unused4229[4];
  float maxLevel;
  float minLevel;
  float blindDistance;
  float distanceOffset[2];
  float probeLength;
  uint16_t language;
  uint16_t filterLevel;
  uint16_t unit;
  uint16_t material;
  uint16_t applicationLiquid;
  uint16_t applicationSolid;
  uint16_t dielectricLiquid;
  uint16_t dielectricSolid;
  uint16_t probeType;
  uint16_t displayContext[2];
  uint16_t currentMode[2];
  uint16_t triggerLevelSetting;
  float dielectricConstant;
  float lowCount;
  uint16_t lowPosition;
  uint16_t probeEndCount;
  uint16_t probeEndValue;
  float spanValue;
  uint16_t dac[4];
  uint16_t currentCalMode[3];
  float forcedCurrent[2];
  float dynamicFilter;
  uint16_t echoMarker[4];
  uint16_t modbusId;
  uint16_t modbusBaud;
  uint16_t functionSelect;
  uint16_t hartCommunication;
  uint16_t backgroundAutoSave;
  uint16_t windowRange;
  uint32_t windowLockTime;
  uint16_t commitFlag0;
  uint16_t unused4294;
  uint16_t resetCommand;
  uint16_t commitFlag1;
  uint16_t calPeakCount[20];
  uint16_t calDistance[20];
  uint16_t unused4337[2];
  uint16_t researchCommand;

  float distanceMax(int output) const { return output == 0 ? distanceMax0 : distanceMax1; }
  float distanceMin(int output) const { return output == 0 ? distanceMin0 : distanceMin1; }

  // Raw access by register number (host order). Out-of-range registers read
  // as 0 and ignore writes.
  uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(this); }
  const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(this); }
  uint16_t Word(uint16_t reg) const;
  void SetWord(uint16_t reg, uint16_t value);
  float Float(uint16_t reg) const;
  void SetFloat(uint16_t reg, float value);
  uint32_t Uint32(uint16_t reg) const;
  void SetUint32(uint16_t reg, uint32_t value);
  // Text of `registers` registers: up to the first zero byte or the end.
  std::string Text(uint16_t reg, int registers) const;
  // Copies `text` and a terminating zero (when it fits) into the registers;
  // bytes after the zero keep their contents.
  void SetText(uint16_t reg, int registers, std::string_view text);
  // Copies host-order register data (as a Modbus reply leaves it) into the
  // image from register `first` on, clipped to the image.
  void CopyIn(uint16_t first, const uint8_t* hostOrderBytes, size_t byteCount);
  // Copies `count` registers from register `first` on out as host-order bytes.
  void CopyOut(uint16_t first, uint16_t count, uint8_t* hostOrderBytes) const;
};
#pragma pack(pop)

// The live mirror and the pending image of a parameter write share the layout.
using LiveReadings = RegisterImage;
using PendingParameters = RegisterImage;

// The program-wide mirror (zero at start).
LiveReadings& liveReadings();

namespace detail {
constexpr size_t ByteOffset(uint16_t reg) { return (reg - reg::kMirrorFirst) * 2u; }
}  // namespace detail

#define TAVRO_AT(field, reg_) \
  static_assert(offsetof(RegisterImage, field) == detail::ByteOffset(reg::reg_), #field " is not at its register")
TAVRO_AT(firmwareVersion, firmwareVersion);
TAVRO_AT(display, display);
TAVRO_AT(distance, distance);
TAVRO_AT(distancePercent, distancePercent);
TAVRO_AT(outputCurrent, outputCurrent);
TAVRO_AT(distanceMax0, distanceMax0);
TAVRO_AT(distanceMin0, distanceMin0);
TAVRO_AT(distanceMax1, distanceMax1);
TAVRO_AT(distanceMin1, distanceMin1);
TAVRO_AT(temperature, temperature);
TAVRO_AT(bgShiftX, bgShiftX);
TAVRO_AT(bgShiftY, bgShiftY);
TAVRO_AT(adcPeak, adcPeak);
TAVRO_AT(peak1Count, peak1Count);
TAVRO_AT(delta22Hz, delta22Hz);
TAVRO_AT(bgSaveCount, bgSaveCount);
TAVRO_AT(triggerLevel, triggerLevel);
TAVRO_AT(bgTriggerLevel, bgTriggerLevel);
TAVRO_AT(productText1, productText1);
TAVRO_AT(productText2, productText2);
TAVRO_AT(productText3, productText3);
TAVRO_AT(maxLevel, maxLevel);
TAVRO_AT(minLevel, minLevel);
TAVRO_AT(blindDistance, blindDistance);
TAVRO_AT(distanceOffset, distanceOffset);
TAVRO_AT(probeLength, probeLength);
TAVRO_AT(language, language);
TAVRO_AT(filterLevel, filterLevel);
TAVRO_AT(unit, unit);
TAVRO_AT(material, material);
TAVRO_AT(applicationLiquid, applicationLiquid);
TAVRO_AT(applicationSolid, applicationSolid);
TAVRO_AT(dielectricLiquid, dielectricLiquid);
TAVRO_AT(dielectricSolid, dielectricSolid);
TAVRO_AT(probeType, probeType);
TAVRO_AT(displayContext, displayContext);
TAVRO_AT(currentMode, currentMode);
TAVRO_AT(triggerLevelSetting, triggerLevelSetting);
TAVRO_AT(dielectricConstant, dielectricConstant);
TAVRO_AT(lowCount, lowCount);
TAVRO_AT(lowPosition, lowPosition);
TAVRO_AT(probeEndCount, probeEndCount);
TAVRO_AT(probeEndValue, probeEndValue);
TAVRO_AT(spanValue, spanValue);
TAVRO_AT(dac, dac);
TAVRO_AT(currentCalMode, currentCalMode);
TAVRO_AT(forcedCurrent, forcedCurrent);
TAVRO_AT(dynamicFilter, dynamicFilter);
TAVRO_AT(echoMarker, echoMarker);
TAVRO_AT(modbusId, modbusId);
TAVRO_AT(modbusBaud, modbusBaud);
TAVRO_AT(functionSelect, functionSelect);
TAVRO_AT(hartCommunication, hartCommunication);
TAVRO_AT(backgroundAutoSave, backgroundAutoSave);
TAVRO_AT(windowRange, windowRange);
TAVRO_AT(windowLockTime, windowLockTime);
TAVRO_AT(commitFlag0, commitFlag0);
TAVRO_AT(resetCommand, resetCommand);
TAVRO_AT(commitFlag1, commitFlag1);
TAVRO_AT(calPeakCount, calPeakCount);
TAVRO_AT(calDistance, calDistance);
TAVRO_AT(researchCommand, researchCommand);
#undef TAVRO_AT
static_assert(sizeof(RegisterImage) == reg::kMirrorCount * 2u, "the mirror holds 244 registers");

}  // namespace tavro
