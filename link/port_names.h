#pragma once
// Port names as the operator picks them ("COM1" ... "COM99") and the device
// paths behind them. A name starting with "/" is a path and is used as it
// stands; "COMn" resolves through this map (filled from the settings file and
// by the simulated bench), else to /dev/ttyS(n-1). Any other name resolves to
// an empty path, which no open accepts. Thread-safe.
#include <string>

namespace tavro {

void RegisterPortName(const std::string& name, const std::string& devicePath);
void UnregisterPortName(const std::string& name);
void ClearPortNames();
std::string ResolvePortName(const std::string& name);

}  // namespace tavro
