#pragma once
// Item lists of the enumerated registers: the register holds the list index
// of the selector's item. The window fills its selectors from these lists.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "link/register_map.h"

namespace tavro::enums {

inline constexpr std::array<std::string_view, 7> kModbusBaudrate{
    "1200", "2400", "4800", "9600", "19200", "38400", "57600"};
// The rates themselves, as register 4286 holds them.
inline constexpr std::array<uint16_t, 7> kModbusBaudRates{1200, 2400, 4800, 9600,
                                                          19200, 38400, 57600};
inline constexpr std::array<std::string_view, 5> kDisplayContext{
    "Distance", "Distance Percentage", "Filling Height", "Height Percentage", "Current Output"};
inline constexpr std::array<std::string_view, 2> kCurrentMode{"4~20mA", "20~4mA"};
inline constexpr std::array<std::string_view, 5> kProbeType{
    "Cable", "Rod", "Coaxial Tube", "Double Cable", "Double Rod"};
inline constexpr std::array<std::string_view, 5> kUnit{"m", "cm", "mm", "in.", "ft."};
inline constexpr std::array<std::string_view, 3> kLanguage{"English", "Traditional", "Simple"};
// Stored as index x 10.
inline constexpr std::array<std::string_view, 11> kFilterLevel{
    "0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
inline constexpr std::array<std::string_view, 2> kMaterial{"Solids", "Liquids"};
inline constexpr std::array<std::string_view, 4> kApplicationLiquid{
    "Vessel", "Bypass", "Interf. Vessel", "interf. Bypass"};
inline constexpr std::array<std::string_view, 2> kApplicationSolid{"Metal Vessel",
                                                                   "Non-metal Vessel"};
inline constexpr std::array<std::string_view, 3> kDielectricLiquid{
    "Oil,LPG/<3", "Mixtures/3...10", "Water-based/>10"};
inline constexpr std::array<std::string_view, 3> kDielectricSolid{
    "Dust,Wood/<1.5", "Granules/1.5...3", "Cereals,Flour/>3"};
inline constexpr std::array<std::string_view, 8> kFunctionSelect{
    "Null", "Background baseline", "Probe end cal", "Background save",
    "Background clear", "Background data", "Derivtive data", "baseline Devivtive data"};
inline constexpr std::array<std::string_view, 2> kHartCommunication{"OFF", "ON"};
inline constexpr std::array<std::string_view, 2> kBackgroundAutoSave{"Auto Save", "Manual save"};

inline constexpr uint16_t kMaterialSolids = 0;
inline constexpr uint16_t kMaterialLiquids = 1;

struct EnumList {
  uint16_t reg;
  std::string_view selector;
  std::span<const std::string_view> items;
};

// One row per enumerated register (the baud-rate and filter registers store
// a value derived from the index, see above).
inline constexpr std::array<EnumList, 17> kEnumLists{{
    {reg::language, "Language", kLanguage},
    {reg::filterLevel, "Filter Level", kFilterLevel},
    {reg::unit, "Unit", kUnit},
    {reg::material, "Material", kMaterial},
    {reg::applicationLiquid, "Application", kApplicationLiquid},
    {reg::applicationSolid, "Application", kApplicationSolid},
    {reg::dielectricLiquid, "Dielectric Const.", kDielectricLiquid},
    {reg::dielectricSolid, "Dielectric Const.", kDielectricSolid},
    {reg::probeType, "Probe Type", kProbeType},
    {reg::displayContext, "Display Context 1", kDisplayContext},
    {reg::displayContext + 1, "Display Context 2", kDisplayContext},
    {reg::currentMode, "Output Current mode 1", kCurrentMode},
    {reg::currentMode + 1, "Output Current mode 2", kCurrentMode},
    {reg::modbusBaud, "Modbus Baudrate", kModbusBaudrate},
    {reg::functionSelect, "Function Select", kFunctionSelect},
    {reg::hartCommunication, "HART Communcation", kHartCommunication},
    {reg::backgroundAutoSave, "Background AutoSave", kBackgroundAutoSave},
}};

}  // namespace tavro::enums
