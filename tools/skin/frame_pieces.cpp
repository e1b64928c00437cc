// The window frame: a dark slate header carrying the logo and the
// connection strip, light sides, a dark footer under the progress bar, and
// rounded outer corners that are see-through.
#include <QPainter>

#include "canvas.h"
#include "palette.h"
#include "pieces.h"
#include "sizes.h"

namespace skin {
namespace {

// The whole frame at the design size; the ten pieces are cut from it, so
// stretching them in the window gives this picture back.
QImage FrameComposition() {
  const int W = kWindowWidth, H = kWindowHeight;
  QImage art = NewCanvas(W, H);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline =
      RoundedRect(QRectF(0, 0, W, H), kOuterRadius, kOuterRadius, kOuterRadius, kOuterRadius);
  p.setClipPath(outline);

  // Body and sides.
  p.fillRect(QRect(0, 0, W, H), kBody);
  p.fillRect(QRect(0, 0, kSideWidth, H), kHeaderBottom);
  p.fillRect(QRect(W - kSideWidth, 0, kSideWidth, H), kHeaderBottom);
  p.fillRect(QRect(kSideWidth - 1, 0, 1, H), QColor(70, 84, 100));
  p.fillRect(QRect(W - kSideWidth, 0, 1, H), QColor(70, 84, 100));

  // The header's soft shadow on the body.
  p.fillRect(QRect(kSideWidth, kHeaderHeight, W - 2 * kSideWidth, 10),
             Vertical(kHeaderHeight, kHeaderHeight + 10, QColor(20, 28, 38, 60),
                      QColor(20, 28, 38, 0)));

  // Header.
  p.drawImage(0, 0, HeaderBand(W, 0, kHeaderHeight));
  p.fillRect(QRect(0, 1, W, 1), kHeaderLine);
  p.fillRect(QRect(0, kHeaderHeight - 3, W, 1), QColor(28, 36, 46));
  p.fillRect(QRect(0, kHeaderHeight - 2, W, 2), kAccentTop);

  // Footer.
  const int footerTop = H - kFooterHeight;
  p.fillRect(QRect(0, footerTop, W, kFooterHeight),
             Vertical(footerTop, H, kHeaderBottom, QColor(28, 36, 46)));
  p.fillRect(QRect(0, footerTop, W, 1), QColor(70, 84, 100));

  // The outermost pixel line.
  p.setClipping(false);
  p.setPen(QPen(kFrameOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), kOuterRadius - 0.5, kOuterRadius - 0.5,
                         kOuterRadius - 0.5, kOuterRadius - 0.5));
  return WithSeeThrough(art);
}

QImage Logo() {
  QImage art = NewCanvas(kLogoWidth, kLogoHeight);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // A plate hanging from the top edge.
  const QPainterPath plate = RoundedRect(QRectF(0.5, -1, kLogoWidth - 1, kLogoHeight - 0.5), 0, 0, 12, 12);
  p.fillPath(plate, Vertical(0, kLogoHeight, QColor(44, 56, 70), QColor(30, 39, 50)));
  p.setPen(QPen(QColor(80, 98, 118), 1));
  p.drawPath(plate);

  // Emblem: a probe with an echo pulse.
  const QPointF base(34, 29);
  p.setPen(QPen(kAccentTop.lighter(130), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(base.x() - 14, base.y() - 14), QPointF(base.x() - 14, base.y() + 16));
  QPainterPath pulse;
  pulse.moveTo(base.x() - 10, base.y() + 6);
  pulse.lineTo(base.x() - 4, base.y() + 6);
  pulse.lineTo(base.x() - 1, base.y() - 12);
  pulse.lineTo(base.x() + 3, base.y() + 14);
  pulse.lineTo(base.x() + 6, base.y() + 6);
  pulse.lineTo(base.x() + 14, base.y() + 6);
  p.setPen(QPen(QColor(120, 205, 245), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(pulse);

  QFont word(QStringLiteral("Carlito"));
  word.setPixelSize(31);
  word.setBold(true);
  word.setLetterSpacing(QFont::AbsoluteSpacing, 4);
  p.setFont(word);
  p.setPen(QColor(244, 247, 250));
  p.drawText(QRectF(58, 3, 200, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TAVRO"));

  QFont sub(QStringLiteral("Carlito"));
  sub.setPixelSize(11);
  sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
  p.setFont(sub);
  p.setPen(QColor(160, 176, 194));
  p.drawText(QRectF(59, 36, 200, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("TDR LEVEL · SERVICE TOOL"));
  p.end();
  return OverImage(art, HeaderBand(kLogoWidth, 0, kLogoHeight));
}

}  // namespace

void RenderFrame(const QString& dir) {
  const QImage frame = FrameComposition();
  const int W = kWindowWidth, H = kWindowHeight;
  const int sideHeight = H - kHeaderHeight - kFooterHeight;
  const int footerTop = H - kFooterHeight;
  SaveBitmap(frame.copy(0, 0, kCornerWidth, kHeaderHeight), dir, "left_up_2.bmp");
  SaveBitmap(frame.copy(kCornerWidth, 0, kEdgeSample, kHeaderHeight), dir, "center_up_2.bmp");
  SaveBitmap(frame.copy(W - kCornerWidth, 0, kCornerWidth, kHeaderHeight), dir, "right_up_2.bmp");
  SaveBitmap(frame.copy(0, kHeaderHeight, kSideWidth, sideHeight), dir, "left_center.bmp");
  SaveBitmap(frame.copy(kSideWidth, kHeaderHeight, kEdgeSample, sideHeight), dir, "center.bmp");
  SaveBitmap(frame.copy(W - kSideWidth, kHeaderHeight, kSideWidth, sideHeight), dir,
             "right_center.bmp");
  SaveBitmap(frame.copy(0, footerTop, kCornerWidth, kFooterHeight), dir, "left_down.bmp");
  SaveBitmap(frame.copy(kCornerWidth, footerTop, kEdgeSample, kFooterHeight), dir,
             "center_down.bmp");
  SaveBitmap(frame.copy(W - kCornerWidth, footerTop, kCornerWidth, kFooterHeight), dir,
             "right_down.bmp");
  SaveBitmap(Logo(), dir, "logo.bmp");
}

}  // namespace skin
