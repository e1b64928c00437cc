#pragma once
// Sizes the window's layout relies on (positions are computed from them).
namespace skin {

// The main window as the application builds it: the designed 738 x 765
// client area plus the height of the title bar it drops.
inline constexpr int kWindowWidth = 738;
inline constexpr int kWindowHeight = 800;

// Frame: header (top corners and edge), sides, footer. The strip row is two
// thirds of the header height; the strip pictures start 6 above it.
inline constexpr int kHeaderHeight = 108;
inline constexpr int kFooterHeight = 36;
inline constexpr int kCornerWidth = 40;
inline constexpr int kSideWidth = 8;
inline constexpr int kEdgeSample = 8;  // width of a stretched horizontal edge
inline constexpr int kOuterRadius = 10;
inline constexpr int kStripRow = kHeaderHeight * 2 / 3;
inline constexpr int kStripTop = kStripRow - 6;

inline constexpr int kLogoWidth = 260;
inline constexpr int kLogoHeight = 58;

// Fields and buttons.
inline constexpr int kEditCap = 8;
inline constexpr int kEditHeight = 24;
inline constexpr int kButtonCap = 14;
inline constexpr int kButtonHeight = 30;
inline constexpr int kSliceMiddle = 4;
inline constexpr int kArrowSize = 17;

// Strip.
inline constexpr int kStripButtonWidth = 80;
inline constexpr int kStripButtonHeight = 32;
inline constexpr int kTitleEditWidth = 86;
inline constexpr int kTitleEditHeight = 32;

// Page.
inline constexpr int kTabWidth = 120;
inline constexpr int kTabHeight = 32;
inline constexpr int kPageWidth = 715;
inline constexpr int kPageHeight = kWindowHeight - 200;
inline constexpr int kPageTop = 170;  // in the window

// Log box.
inline constexpr int kRichCorner = 12;

// Parameter page pictures.
inline constexpr int kTankWidth = 251;
inline constexpr int kTankHeight = 275;
inline constexpr int kScaleWidth = 70;
inline constexpr int kScaleHeight = 250;
inline constexpr int kScaleTrackTop = 9;     // gauge top 169 - picture top 160
inline constexpr int kScaleTrackLeft = 31;   // gauge left 386 - picture left 355
inline constexpr int kGaugeWidth = 28;
inline constexpr int kGaugeHeight = 231;
// A footer band along the bottom of the Parameter page; the version text
// stands over its plain left part.
inline constexpr int kGaugeLogoWidth = 700;
inline constexpr int kGaugeLogoHeight = 36;

// Stand-alone windows.
inline constexpr int kSplashWidth = 405;
inline constexpr int kSplashHeight = 303;
inline constexpr int kDialogWidth = 328;
inline constexpr int kDialogHeight = 179;

}  // namespace skin
