#pragma once
// The transmitter's holding registers, named after the LiveReadings fields
// that mirror them. Floats and 32-bit integers take two registers, low half
// first; texts two 8-bit characters per register, first in the low byte.
#include <cstdint>

namespace tavro::reg {

// The mirror and the blocks the tool reads and writes.
inline constexpr uint16_t kMirrorFirst = 4096;  // 0x1000
inline constexpr uint16_t kMirrorCount = 244;   // 4096-4339
inline constexpr uint16_t kProbeFirst = 4096;   // connection probe
inline constexpr uint16_t kProbeCount = 32;
inline constexpr uint16_t kMeasurementFirst = 4128;  // read only
inline constexpr uint16_t kMeasurementCount = 78;
inline constexpr uint16_t kConfigFirst = 4206;  // read and written
inline constexpr uint16_t kConfigCount = 134;
inline constexpr uint16_t kParameterBlockFirst = 4206;  // one block write
inline constexpr uint16_t kParameterBlockCount = 94;    // 4206-4299

// Measurement block, 4128-4205.
inline constexpr uint16_t firmwareVersion = 4128;  // text, 8 bytes
inline constexpr uint16_t display = 4132;          // float [2]
inline constexpr uint16_t distance = 4136;         // float [2]
inline constexpr uint16_t distancePercent = 4140;  // float [2]
inline constexpr uint16_t outputCurrent = 4144;    // float [2], mA
inline constexpr uint16_t distanceMax0 = 4148;     // float, output 1
inline constexpr uint16_t distanceMin0 = 4150;     // float, output 1
inline constexpr uint16_t distanceMax1 = 4152;     // float, output 2
inline constexpr uint16_t distanceMin1 = 4154;     // float, output 2
inline constexpr uint16_t temperature = 4156;      // float
inline constexpr uint16_t bgShiftX = 4158;         // float
inline constexpr uint16_t bgShiftY = 4160;         // float
inline constexpr uint16_t adcPeak = 4170;          // float [8]
inline constexpr uint16_t peak1Count = 4186;       // float [2], raw distance
inline constexpr uint16_t delta22Hz = 4190;        // float
inline constexpr uint16_t bgSaveCount = 4196;      // float
inline constexpr uint16_t triggerLevel = 4198;     // float [2]
inline constexpr uint16_t bgTriggerLevel = 4202;   // float [2]

// Configuration block, 4206-4339.
inline constexpr uint16_t productText1 = 4206;  // text, 24 bytes (12 registers)
inline constexpr uint16_t productText2 = 4218;  // text, 14 bytes (7 registers)
inline constexpr uint16_t productText3 = 4225;  // text, 8 bytes (4 registers)
inline constexpr uint16_t maxLevel = 4233;            // float
inline constexpr uint16_t minLevel = 4235;            // float
inline constexpr uint16_t blindDistance = 4237;       // float
inline constexpr uint16_t distanceOffset = 4239;      // float [2]
inline constexpr uint16_t probeLength = 4243;         // float
inline constexpr uint16_t language = 4245;            // enum
inline constexpr uint16_t filterLevel = 4246;         // percent, index x 10
inline constexpr uint16_t unit = 4247;                // enum
inline constexpr uint16_t material = 4248;            // enum
inline constexpr uint16_t applicationLiquid = 4249;   // enum
inline constexpr uint16_t applicationSolid = 4250;    // enum
inline constexpr uint16_t dielectricLiquid = 4251;    // enum
inline constexpr uint16_t dielectricSolid = 4252;     // enum
inline constexpr uint16_t probeType = 4253;           // enum
inline constexpr uint16_t displayContext = 4254;      // enum [2]
inline constexpr uint16_t currentMode = 4256;         // enum [2]
inline constexpr uint16_t triggerLevelSetting = 4258; // uint16
inline constexpr uint16_t dielectricConstant = 4259;  // float
inline constexpr uint16_t lowCount = 4261;            // float
inline constexpr uint16_t lowPosition = 4263;         // uint16, mm
inline constexpr uint16_t probeEndCount = 4264;       // uint16
inline constexpr uint16_t probeEndValue = 4265;       // uint16
inline constexpr uint16_t spanValue = 4266;           // float
inline constexpr uint16_t dac = 4268;                 // uint16 [4]
inline constexpr uint16_t currentCalMode = 4272;      // uint16 [3]
inline constexpr uint16_t forcedCurrent = 4275;       // float [2], mA
inline constexpr uint16_t dynamicFilter = 4279;       // float
inline constexpr uint16_t echoMarker = 4281;          // uint16 [4]
inline constexpr uint16_t modbusId = 4285;            // slave address
inline constexpr uint16_t modbusBaud = 4286;          // the rate itself
inline constexpr uint16_t functionSelect = 4287;      // enum
inline constexpr uint16_t hartCommunication = 4288;   // enum
inline constexpr uint16_t backgroundAutoSave = 4289;  // enum
inline constexpr uint16_t windowRange = 4290;         // uint16
inline constexpr uint16_t windowLockTime = 4291;      // uint32, 0.5 s units
inline constexpr uint16_t commitFlag0 = 4293;         // 1 after every change
inline constexpr uint16_t resetCommand = 4295;        // 1 = reset
inline constexpr uint16_t commitFlag1 = 4296;         // 1 after every change
inline constexpr uint16_t calPeakCount = 4297;        // uint16 [20]
inline constexpr uint16_t calDistance = 4317;         // uint16 [20], mm
inline constexpr uint16_t researchCommand = 4339;     // 1 = research

inline constexpr int kCalibrationPoints = 20;

}  // namespace tavro::reg
