#include "canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "palette.h"
#include "sizes.h"

namespace skin {

QImage NewCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage OverColour(const QImage& art, const QColor& background) {
  QImage out(art.size(), QImage::Format_RGB32);
  out.fill(background);
  QPainter p(&out);
  p.drawImage(0, 0, art);
  return out;
}

QImage OverImage(const QImage& art, const QImage& background) {
  QImage out = background.convertToFormat(QImage::Format_RGB32);
  QPainter p(&out);
  p.drawImage(0, 0, art);
  return out;
}

QImage WithSeeThrough(const QImage& art) {
  const QImage plain = art.convertToFormat(QImage::Format_ARGB32);
  QImage out(art.size(), QImage::Format_RGB32);
  for (int y = 0; y < plain.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < plain.width(); ++x) {
      if (qAlpha(src[x]) >= 128) {
        QRgb c = src[x] | 0xff000000u;
        if ((c & 0x00ffffffu) == 0x00ffff00u) c = qRgb(255, 255, 1);
        dst[x] = c;
      } else {
        dst[x] = kSeeThrough.rgb();
      }
    }
  }
  return out;
}

void SaveBitmap(const QImage& image, const QString& dir, const QString& name) {
  const QString path = dir + "/" + name;
  if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
    std::fprintf(stderr, "tavro-skin: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

QLinearGradient Vertical(double top, double bottom, const QColor& from, const QColor& to) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  return g;
}

QPainterPath RoundedRect(const QRectF& r, double tl, double tr, double br, double bl) {
  QPainterPath path;
  path.moveTo(r.left() + tl, r.top());
  path.lineTo(r.right() - tr, r.top());
  if (tr > 0) path.arcTo(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr, 90, -90);
  path.lineTo(r.right(), r.bottom() - br);
  if (br > 0) path.arcTo(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br, 0, -90);
  path.lineTo(r.left() + bl, r.bottom());
  if (bl > 0) path.arcTo(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl, 270, -90);
  path.lineTo(r.left(), r.top() + tl);
  if (tl > 0) path.arcTo(r.left(), r.top(), 2 * tl, 2 * tl, 180, -90);
  path.closeSubpath();
  return path;
}

QColor HeaderColourAt(int y) {
  const double t = std::clamp(y / double(kHeaderHeight - 1), 0.0, 1.0);
  auto mix = [t](int a, int b) { return int(a + (b - a) * t + 0.5); };
  return QColor(mix(kHeaderTop.red(), kHeaderBottom.red()),
                mix(kHeaderTop.green(), kHeaderBottom.green()),
                mix(kHeaderTop.blue(), kHeaderBottom.blue()));
}

QImage HeaderBand(int width, int top, int height) {
  QImage band(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const QRgb c = HeaderColourAt(top + y).rgb();
    auto* line = reinterpret_cast<QRgb*>(band.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = c;
  }
  return band;
}

}  // namespace skin
