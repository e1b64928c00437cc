#pragma once
// The numbers of the parameter selectors (choices 0-14).
namespace tavro {

inline constexpr int kModbusBaudrateChoice = 0;
inline constexpr int kDisplayContextChoice[2] = {1, 2};
inline constexpr int kCurrentModeChoice[2] = {3, 4};
inline constexpr int kProbeTypeChoice = 5;
inline constexpr int kUnitChoice = 6;
inline constexpr int kLanguageChoice = 7;
inline constexpr int kFilterLevelChoice = 8;
inline constexpr int kMaterialChoice = 9;
inline constexpr int kApplicationChoice = 10;
inline constexpr int kDielectricChoice = 11;
inline constexpr int kHartCommunicationChoice = 12;
inline constexpr int kBackgroundAutoSaveChoice = 13;
inline constexpr int kFunctionSelectChoice = 14;

}  // namespace tavro
