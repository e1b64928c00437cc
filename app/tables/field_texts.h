#pragma once
// Labels, units and start texts of the 86 fields. The position in the table
// is the field's number and its Tag.
#include <QString>
#include <array>
#include <string_view>

namespace tavro {

inline constexpr int kParamFieldCount = 86;

extern const std::array<std::string_view, kParamFieldCount> param_labels;
extern const std::array<std::string_view, kParamFieldCount> param_units;

// Texts the fields get while the window is built, before the settings load.
struct FieldDefault {
  int field;
  std::string_view text;
};
extern const std::array<FieldDefault, 8> field_defaults;

// Texts set after the settings load, so these fields always start with them.
extern const std::array<FieldDefault, 4> field_start_values;

inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace tavro
