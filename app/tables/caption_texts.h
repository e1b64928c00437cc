#pragma once
// The 12 plain captions of the main window: text, parent and place.
#include <array>
#include <string_view>

#include "app/tables/placement.h"

namespace tavro {

inline constexpr int kCaptionCount = 12;

extern const std::string_view version_text;

enum class CaptionStyle {
  kInherited,  // the page body's Calibri 12 bold black
  kHotTrack,   // 10 pt, hot-track blue, bold, underlined
};

// Captions 1-3 stand relative to picture 1 and to each other.
enum class CaptionAnchor {
  kFixed,               // at (top, left)
  kBelowPicture1,       // just below picture 1, 10 right of its left
  kBesideCaption2,      // top of caption 2, right edge of caption 2 + left
  kBesideCaption1,      // top of caption 2, right edge of caption 1 + left
};

struct CaptionSpec {
  std::string_view text;
  Host host;
  CaptionAnchor anchor;
  int top;
  int left;
  CaptionStyle style;
};

extern const std::array<CaptionSpec, kCaptionCount> caption_texts;

}  // namespace tavro
