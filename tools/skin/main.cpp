// tavro-skin: renders the tool's skin bitmaps.
//   tavro-skin OUTPUT_DIR
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "pieces.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tavro-skin OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "tavro-skin: cannot create %s\n", argv[1]);
    return 1;
  }
  skin::RenderFrame(dir);
  skin::RenderControls(dir);
  skin::RenderPictures(dir);
  return 0;
}
