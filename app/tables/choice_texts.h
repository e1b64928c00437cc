#pragma once
// Labels and item lists of the 20 choices. The position in the table is the
// choice's number and its Tag.
#include <QStringList>
#include <array>
#include <string_view>

namespace tavro {

inline constexpr int kParamChoiceCount = 20;

extern const std::array<std::string_view, kParamChoiceCount> choice_labels;

// The items a choice gets when the window is built ("Application" and
// "Dielectric Const." start with their liquids lists).
QStringList ChoiceItems(int choice);

// The two lists the "Material" rule switches between.
QStringList ApplicationItems(bool solids);
QStringList DielectricItems(bool solids);

// Choices that select their first item when the window is built.
inline constexpr std::array<int, 2> kChoicesStartingOnFirstItem{16, 18};

}  // namespace tavro
