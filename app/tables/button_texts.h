#pragma once
// Captions of the 23 page buttons. The position in the table is the button's
// number and its Tag.
#include <array>
#include <string_view>

namespace tavro {

inline constexpr int kCommandButtonCount = 23;

extern const std::array<std::string_view, kCommandButtonCount> button_captions;

// Buttons that start disabled (the motion stage enables them once its port
// is open).
inline constexpr std::array<int, 5> kButtonsStartingDisabled{0, 1, 3, 4, 5};

}  // namespace tavro
