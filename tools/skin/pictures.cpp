// Larger pictures: the vessel and the two percentage scales of the
// Parameter page, the page's logo, the splash window and the access dialog.
#include <QPainter>

#include "canvas.h"
#include "palette.h"
#include "pieces.h"
#include "sizes.h"

namespace skin {
namespace {

QFont Face(int pixels, bool bold = false) {
  QFont f(QStringLiteral("Carlito"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QImage Tank() {
  const int w = kTankWidth, h = kTankHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const double cx = w / 2.0;
  // Vessel between the two scales.
  const QRectF vessel(cx - 70, 62, 140, 196);
  QLinearGradient shell(vessel.left(), 0, vessel.right(), 0);
  shell.setColorAt(0, QColor(150, 162, 176));
  shell.setColorAt(0.35, QColor(236, 240, 244));
  shell.setColorAt(1, QColor(128, 140, 154));
  p.setPen(QPen(QColor(96, 108, 122), 1.2));
  p.setBrush(shell);
  p.drawRoundedRect(vessel, 16, 16);
  // Liquid.
  QRectF liquid = vessel.adjusted(4, 96, -4, -4);
  QLinearGradient fluid(liquid.left(), 0, liquid.right(), 0);
  fluid.setColorAt(0, QColor(54, 128, 186));
  fluid.setColorAt(0.4, QColor(110, 182, 230));
  fluid.setColorAt(1, QColor(46, 112, 168));
  p.setPen(Qt::NoPen);
  p.setBrush(fluid);
  p.drawRoundedRect(liquid, 12, 12);
  p.fillRect(QRectF(liquid.left(), liquid.top(), liquid.width(), 12), fluid);
  // Probe rod and transmitter head.
  p.setPen(QPen(QColor(70, 80, 92), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cx, 54), QPointF(cx, vessel.bottom() - 14));
  p.setPen(QPen(QColor(60, 70, 82), 1));
  p.setBrush(Vertical(30, 56, QColor(96, 110, 126), QColor(60, 72, 86)));
  p.drawRoundedRect(QRectF(cx - 22, 30, 44, 26), 5, 5);
  p.setBrush(QColor(120, 205, 245));
  p.drawEllipse(QPointF(cx, 43), 4, 4);
  p.setBrush(QColor(88, 100, 114));
  p.drawRect(QRectF(cx - 30, 56, 60, 7));
  p.end();
  return OverColour(art, kPageBody);
}

QImage Scale() {
  const int w = kScaleWidth, h = kScaleHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect track(kScaleTrackLeft, kScaleTrackTop, kGaugeWidth, kGaugeHeight);
  p.setPen(QPen(QColor(150, 158, 166), 1));
  p.setBrush(QColor(232, 232, 232));
  p.drawRect(QRectF(track).adjusted(-1.5, -1.5, 0.5, 0.5));
  p.setFont(Face(11));
  for (int pct = 0; pct <= 100; pct += 10) {
    const double y = track.bottom() + 1 - track.height() * pct / 100.0;
    const bool major = pct % 50 == 0;
    p.setPen(QPen(kMutedText, 1));
    p.drawLine(QPointF(track.left() - (major ? 8 : 5), y), QPointF(track.left() - 2, y));
    p.drawLine(QPointF(track.right() + 2, y), QPointF(track.right() + (major ? 8 : 5), y));
    if (pct % 20 == 0 || pct == 100) {
      p.setPen(kText);
      p.drawText(QRectF(0, y - 7, track.left() - 9, 14), Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(pct));
    }
  }
  p.setPen(kMutedText);
  p.drawText(QRectF(track.right() + 3, h - 14, w - track.right() - 3, 12), Qt::AlignLeft, "%");
  p.end();
  return OverColour(art, kPageBody);
}

QImage GaugeLogo() {
  const int w = kGaugeLogoWidth, h = kGaugeLogoHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(Face(26, true));
  p.setPen(QColor(48, 62, 78));
  p.drawText(QRectF(64, 18, 260, 30), Qt::AlignLeft | Qt::AlignVCenter, "TAVRO");
  p.setFont(Face(12));
  p.setPen(kMutedText);
  p.drawText(QRectF(65, 48, 270, 16), Qt::AlignLeft | Qt::AlignVCenter,
             "Guided-wave radar level transmitter");
  p.setPen(QPen(kAccentBottom, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath pulse;
  pulse.moveTo(14, 52);
  pulse.lineTo(24, 52);
  pulse.lineTo(30, 22);
  pulse.lineTo(37, 66);
  pulse.lineTo(42, 52);
  pulse.lineTo(54, 52);
  p.drawPath(pulse);
  p.end();
  return OverColour(art, kPageBody);
}

QImage Splash() {
  const int w = kSplashWidth, h = kSplashHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  p.setPen(QPen(kFrameOutline, 1));
  p.setBrush(Vertical(0, h, kHeaderTop, kHeaderBottom));
  p.drawRoundedRect(r, 14, 14);
  p.setFont(Face(54, true));
  p.setPen(QColor(244, 247, 250));
  p.drawText(QRectF(0, 80, w, 70), Qt::AlignCenter, "TAVRO");
  p.setFont(Face(15));
  p.setPen(QColor(170, 186, 204));
  p.drawText(QRectF(0, 150, w, 22), Qt::AlignCenter, "TDR level transmitter production & service");
  p.fillRect(QRectF(40, 250, w - 80, 3), kAccentTop);
  p.end();
  return WithSeeThrough(art);
}

QImage AccessDialog() {
  const int w = kDialogWidth, h = kDialogHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  p.setPen(QPen(kFrameOutline, 1));
  p.setBrush(kPageBody);
  p.drawRoundedRect(r, 10, 10);
  const QPainterPath head = RoundedRect(QRectF(1, 1, w - 2, 44), 9.5, 9.5, 0, 0);
  p.fillPath(head, Vertical(0, 44, kHeaderTop, kHeaderBottom));
  p.fillRect(QRectF(1, 44, w - 2, 2), kAccentTop);
  p.setFont(Face(17, true));
  p.setPen(QColor(244, 247, 250));
  p.drawText(QRectF(20, 0, w - 40, 45), Qt::AlignLeft | Qt::AlignVCenter, "Engineering access");
  p.setFont(Face(13));
  p.setPen(kMutedText);
  p.drawText(QRectF(34, 52, w - 60, 18), Qt::AlignLeft | Qt::AlignVCenter, "Access code");
  p.end();
  return WithSeeThrough(art);
}

}  // namespace

void RenderPictures(const QString& dir) {
  SaveBitmap(Tank(), dir, "tank.bmp");
  SaveBitmap(Scale(), dir, "percentage.bmp");
  SaveBitmap(GaugeLogo(), dir, "gaugelogo.bmp");
  SaveBitmap(Splash(), dir, "splash.bmp");
  SaveBitmap(AccessDialog(), dir, "access_dialog.bmp");
}

}  // namespace skin
