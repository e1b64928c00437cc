#pragma once
// Each function renders one family of skin bitmaps into `dir`.
#include <QString>

namespace skin {

void RenderFrame(const QString& dir);     // the ten window frame pictures
void RenderControls(const QString& dir);  // edits, arrows, buttons, strip, tabs, page, log box
void RenderPictures(const QString& dir);  // tank, scales, page logo, splash, access dialog

}  // namespace skin
