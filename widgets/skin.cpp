#include "widgets/skin.h"

#include <QCoreApplication>
#include <QDir>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>

namespace tavro {
namespace {

QString& ExeDirStorage() {
  static QString dir;
  return dir;
}

QString WithTrailingSlash(QString dir) {
  if (!dir.endsWith('/')) dir += '/';
  return dir;
}

// Yellow marks the see-through parts of every skin bitmap.
QImage YellowToAlpha(QImage image) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb yellow = qRgb(255, 255, 0);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0x00ffffffu) == (yellow & 0x00ffffffu)) line[x] = 0;
    }
  }
  return image;
}

// A window builds a few hundred pictures from two dozen files; each file is
// decoded once. The entry is keyed by path, size and time, so a file that
// changed or vanished is read (and fails) again.
struct CachedBitmap {
  qint64 size = -1;
  QDateTime modified;
  QPixmap pixmap;
};

void ClearCache();

QHash<QString, CachedBitmap>& Cache() {
  static QHash<QString, CachedBitmap> cache;
  static const bool clearedAtExit = [] {
    // Pixmaps go before the application object that made them.
    qAddPostRoutine(ClearCache);
    return true;
  }();
  (void)clearedAtExit;
  return cache;
}

void ClearCache() { Cache().clear(); }

[[noreturn]] void ThrowOpenError(const QString& path, const char* reason) {
  throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromUtf8(reason))
                        .toStdString());
}

}  // namespace

const QString& ExeDir() {
  QString& dir = ExeDirStorage();
  if (dir.isEmpty() && QCoreApplication::instance() != nullptr) {
    dir = WithTrailingSlash(QCoreApplication::applicationDirPath());
  }
  return dir;
}

void SetExeDir(const QString& dir) { ExeDirStorage() = WithTrailingSlash(dir); }

QPixmap LoadSkinBitmap(const QString& relativeName) {
  QString name = relativeName;
  name.replace('\\', '/');
  const QString path = ExeDir() + name;
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) {
    Cache().remove(path);
    ThrowOpenError(path, "The system cannot find the file specified.");
  }
  auto it = Cache().find(path);
  if (it != Cache().end() && it->size == info.size() && it->modified == info.lastModified()) {
    return it->pixmap;
  }
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    Cache().remove(path);
    ThrowOpenError(path, "The file is not a readable bitmap.");
  }
  CachedBitmap entry{info.size(), info.lastModified(), QPixmap::fromImage(YellowToAlpha(image))};
  Cache().insert(path, entry);
  return entry.pixmap;
}

}  // namespace tavro
