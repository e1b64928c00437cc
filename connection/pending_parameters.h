#pragma once
// Turning the parameter page into the values a parameter write sends. Pure:
// the page's texts and selections and the transmitter's last readings in,
// the pending image and what changed out.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "link/live_readings.h"
#include "widgets/main_window_handles.h"

namespace tavro {

inline constexpr int kParameterChoiceCount = 15;

// The page as the write reads it: field texts by field number (32-52 and
// 82-85 are used) and the selected index of choices 0-14 (-1: none).
struct ParameterPage {
  std::array<QString, kFieldCount> fields{};
  std::array<int, kParameterChoiceCount> choices{};
};

struct PendingWrite {
  PendingParameters image{};
  // Some byte of the parameter write block (4206-4299) differs from the
  // readings; the commit flags are then set in `image`.
  bool changed = false;
  // "Modbus ID" or "Modbus Baudrate" is among the changes.
  bool commSettingsChanged = false;
  // Set when "Material" or a dielectric class changed: the trigger level
  // that goes with them, to be shown in the "trigger level" field.
  std::optional<uint16_t> automaticTriggerLevel;
};

// The readings, overwritten from the page. A field that still shows the
// reading's value exactly as the display wrote it keeps the exact register
// value (a float shown with two decimals is not rounded by a write); other
// field texts are converted as the field is typed and raise the conversion
// error when they do not convert. A choice without a selection leaves its
// register as read.
PendingWrite BuildPendingParameters(const LiveReadings& readings, const ParameterPage& page);

// The trigger level for a material (0 Solids, 1 Liquids) and the two
// dielectric classes: solids 60 for class 2, else 20; any other material
// 20, 60, 100 for liquid classes 0, 1, 2, else 20.
uint16_t AutomaticTriggerLevel(uint16_t material, uint16_t dielectricLiquid,
                               uint16_t dielectricSolid);

// Byte-wise comparison of the parameter write block.
bool WriteBlockDiffers(const RegisterImage& a, const RegisterImage& b);

}  // namespace tavro
