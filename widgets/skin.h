#pragma once
// Skin bitmaps. All are read under the executable's folder, so the tool works
// whatever the current folder. Yellow (255, 255, 0) pixels are see-through.
#include <QPixmap>
#include <QString>
#include <stdexcept>

namespace tavro {

// The folder of the running executable, with a trailing "/". Tests may point
// it elsewhere.
const QString& ExeDir();
void SetExeDir(const QString& dir);

// The toolkit's file error: raised when a bitmap cannot be read.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Loads ExeDir() + relativeName (for example "style/arrow.bmp"), yellow made
// transparent. Throws EFOpenError with the toolkit's text when unreadable.
QPixmap LoadSkinBitmap(const QString& relativeName);

}  // namespace tavro
