#pragma once
// The skin's colours: a calm slate-and-steel palette with one blue accent.
#include <QColor>

namespace skin {

// Window frame: dark slate header and footer, light body.
inline const QColor kHeaderTop(58, 72, 88);
inline const QColor kHeaderBottom(36, 46, 58);
inline const QColor kHeaderLine(92, 110, 130);     // highlight line under the top edge
inline const QColor kFrameOutline(24, 31, 40);     // outermost pixel of the window
inline const QColor kBody(222, 227, 233);          // client area between the pages
inline const QColor kPageBody(248, 248, 248);      // page bodies (group boxes)

// Accent: steel blue of buttons and the active tab.
inline const QColor kAccentTop(72, 130, 186);
inline const QColor kAccentBottom(38, 92, 146);
inline const QColor kAccentOutline(27, 67, 108);

// Quiet slate of inactive tabs and the third button style.
inline const QColor kSlateTop(124, 138, 153);
inline const QColor kSlateBottom(92, 105, 120);
inline const QColor kSlateOutline(66, 77, 90);

// Silver of the strip buttons (black captions).
inline const QColor kSilverTop(250, 251, 252);
inline const QColor kSilverBottom(203, 210, 218);
inline const QColor kSilverOutline(20, 27, 35);

// Fields.
inline const QColor kFieldFill(255, 255, 255);
inline const QColor kFieldOutline(150, 160, 172);
inline const QColor kFieldShadow(205, 212, 220);   // inner top shadow

inline const QColor kText(33, 41, 51);
inline const QColor kMutedText(102, 114, 128);
inline const QColor kSeeThrough(255, 255, 0);

}  // namespace skin
