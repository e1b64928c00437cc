#pragma once
// What the main window keeps in "Setting.ini": the procedure fields 53-75,
// choices 15-18, the strip's ID, port and baud rate, and the "INTERNET"
// status the access dialog consults. Keys are the controls' labels, which is
// why two pairs of fields share a key ("Delay Time", "Interval") and field 59
// has the empty key.
#include <QString>

#include "app/settings/vx_ini.h"

namespace tavro {

inline constexpr char kSettingsFileName[] = "Setting.ini";
inline constexpr char kMainSection[] = "TAVRO";
inline constexpr char kInternetSection[] = "INTERNET";
inline constexpr char kStatusKey[] = "STATUS";
inline constexpr char kPortsSection[] = "PORTS";

// Loads the window's values (stops at the first value that does not convert
// and shows "載入參數異常"), then sets the travel limit from "Table Type".
void LoadWindowSettings(const vx_ini& settings);

// Saves the window's values and "STATUS" = "CLOSE" (stops at the first
// failed write and shows "儲存參數異常").
void SaveWindowSettings(vx_ini& settings);

// Registers the "PORTS" section's "COMn" = device path entries in the
// port-name map. Done once at start-up, before the simulated bench and the
// command line, which may name ports too.
void LoadPortNames(const vx_ini& settings);

// "INTERNET" / "STATUS" as the file holds it now ("CLOSE" when absent).
QString InternetStatus(const vx_ini& settings);

}  // namespace tavro
