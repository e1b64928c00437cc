#include "link/register_map.h"
#include "sim/echo_curve.h"
#include "sim/transmitter.h"

namespace tavro::sim {

// A plausible, fully populated transmitter: 6 m cable probe in water, the
// factory two-point result and DAC codes of the nominal design.
RegisterImage FactoryRegisters() {
  RegisterImage r{};
  r.SetText(reg::kProbeFirst, 8, "TDR6-SN2601-0042");
  r.SetWord(reg::kProbeFirst + 8, 0x0213);  // hardware and firmware revision
  r.SetText(reg::firmwareVersion, 4, "V2.13R");

  r.SetText(reg::productText1, 12, "TDR Level Transmitter");
  r.SetText(reg::productText2, 7, "TDR6-CA-1");
  r.SetText(reg::productText3, 4, "2026.01");
  r.maxLevel = 200.0f;
  r.minLevel = 6000.0f;
  r.blindDistance = 150.0f;
  r.distanceOffset[0] = 0.0f;
  r.distanceOffset[1] = 0.0f;
  r.probeLength = 6000.0f;
  r.language = 0;            // English
  r.filterLevel = 50;
  r.unit = 2;                // mm
  r.material = 1;            // Liquids
  r.applicationLiquid = 0;   // Vessel
  r.applicationSolid = 0;
  r.dielectricLiquid = 2;    // Water-based/>10
  r.dielectricSolid = 0;
  r.probeType = 0;           // Cable
  r.displayContext[0] = 0;   // Distance
  r.displayContext[1] = 4;   // Current Output
  r.currentMode[0] = 0;      // 4~20mA
  r.currentMode[1] = 0;
  r.triggerLevelSetting = 100;
  r.dielectricConstant = 80.0f;
  r.lowCount = 1100.0f;      // nominal: 1.1 counts per mm
  r.lowPosition = 1000;
  r.probeEndCount = 6650;
  r.probeEndValue = 6000;
  r.spanValue = 0.90909f;
  const uint16_t code4 = static_cast<uint16_t>(4.0 / kNominalDacMaPerCount + 0.5);
  const uint16_t code20 = static_cast<uint16_t>(20.0 / kNominalDacMaPerCount + 0.5);
  r.dac[0] = r.dac[2] = code4;
  r.dac[1] = r.dac[3] = code20;
  r.forcedCurrent[0] = 4.0f;
  r.forcedCurrent[1] = 4.0f;
  r.dynamicFilter = 0.5f;
  const EchoMarkers markers = MarkersFor(EchoScene{.levelMm = 225.0});
  r.echoMarker[0] = markers.max;
  r.echoMarker[1] = markers.first;
  r.echoMarker[2] = markers.second;
  r.echoMarker[3] = markers.end;
  r.modbusId = 1;
  r.modbusBaud = 9600;
  r.functionSelect = 0;
  r.hartCommunication = 1;   // ON
  r.backgroundAutoSave = 0;
  r.windowRange = 200;
  r.windowLockTime = 20;     // 10 s
  r.bgSaveCount = 12.0f;
  return r;
}

}  // namespace tavro::sim
