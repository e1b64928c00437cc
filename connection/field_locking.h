#pragma once
// While a link monitors, the parameter page is read-only: fields 0-52
// ("Display" up to "Window Lock Time") and choices 0-13 ("Modbus Baudrate"
// up to "Background AutoSave"). "Function Select" (choice 14) stays free.
namespace tavro {

inline constexpr int kLockedFieldCount = 53;
inline constexpr int kLockedChoiceCount = 14;

void LockParameterFields();
void UnlockParameterFields();

}  // namespace tavro
