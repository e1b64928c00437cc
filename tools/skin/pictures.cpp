// Larger pictures: the vessel and the two percentage scales of the
// Parameter page, the page's logo, the splash window and the access dialog.
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

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
  p.end();
  return OverColour(art, kPageBody);
}

// A footer band along the bottom of the Parameter page: plain on the left,
// where the version text stands, the product mark on the right.
QImage GaugeLogo() {
  const int w = kGaugeLogoWidth, h = kGaugeLogoHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient rule(0, 0, w, 0);
  rule.setColorAt(0, QColor(210, 216, 223, 0));
  rule.setColorAt(0.25, QColor(200, 207, 215));
  rule.setColorAt(1, QColor(200, 207, 215));
  p.fillRect(QRectF(0, 2, w, 1), rule);

  const double right = w - 8;
  QFont tagFont = Face(11);
  tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
  p.setFont(tagFont);
  p.setPen(kMutedText);
  const QString tag = "Guided-wave radar level transmitter  ·  production & service";
  const double tagWidth = QFontMetricsF(tagFont).horizontalAdvance(tag);
  p.drawText(QRectF(right - tagWidth, 8, tagWidth, 24), Qt::AlignRight | Qt::AlignVCenter, tag);

  QFont word = Face(18, true);
  word.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  p.setFont(word);
  const double wordWidth = QFontMetricsF(word).horizontalAdvance("TAVRO");
  const double wordLeft = right - tagWidth - 14 - wordWidth;
  p.setPen(QColor(48, 62, 78));
  p.drawText(QRectF(wordLeft, 6, wordWidth + 4, 28), Qt::AlignLeft | Qt::AlignVCenter, "TAVRO");

  // Emblem: probe and echo pulse.
  const double ex = wordLeft - 30, ey = 20;
  p.setPen(QPen(QColor(48, 62, 78), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(ex, ey - 10), QPointF(ex, ey + 10));
  QPainterPath pulse;
  pulse.moveTo(ex + 3, ey + 5);
  pulse.lineTo(ex + 8, ey + 5);
  pulse.lineTo(ex + 11, ey - 9);
  pulse.lineTo(ex + 15, ey + 10);
  pulse.lineTo(ex + 17, ey + 5);
  pulse.lineTo(ex + 23, ey + 5);
  p.setPen(QPen(kAccentBottom, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(pulse);
  p.end();
  return OverColour(art, kPageBody);
}

// An echo trace as the instrument shows it: the reference pulse at the
// flange, the level echo, and the small end-of-probe reflection.
QPainterPath EchoTrace(const QRectF& area) {
  QPainterPath path;
  const int steps = 400;
  for (int i = 0; i <= steps; ++i) {
    const double t = i / double(steps);
    auto bump = [t](double centre, double width, double height) {
      const double d = (t - centre) / width;
      return height * std::exp(-d * d);
    };
    double v = bump(0.10, 0.018, 1.0) - bump(0.13, 0.02, 0.35) + bump(0.56, 0.045, 0.62) +
               bump(0.88, 0.025, 0.18) + 0.015 * std::sin(t * 90.0);
    const QPointF point(area.left() + t * area.width(), area.bottom() - v * area.height());
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

void DrawEmblem(QPainter& p, const QPointF& c, double scale, const QColor& probe,
                const QColor& pulse) {
  p.setPen(QPen(probe, 2.2 * scale, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(c.x() - 14 * scale, c.y() - 14 * scale),
             QPointF(c.x() - 14 * scale, c.y() + 16 * scale));
  QPainterPath path;
  path.moveTo(c.x() - 10 * scale, c.y() + 6 * scale);
  path.lineTo(c.x() - 4 * scale, c.y() + 6 * scale);
  path.lineTo(c.x() - 1 * scale, c.y() - 12 * scale);
  path.lineTo(c.x() + 3 * scale, c.y() + 14 * scale);
  path.lineTo(c.x() + 6 * scale, c.y() + 6 * scale);
  path.lineTo(c.x() + 14 * scale, c.y() + 6 * scale);
  p.setPen(QPen(pulse, 2.2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

QImage Splash() {
  const int w = kSplashWidth, h = kSplashHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  const QPainterPath outline = RoundedRect(r, 14, 14, 14, 14);
  p.fillPath(outline, Vertical(0, h, QColor(52, 66, 82), QColor(26, 34, 44)));
  p.save();
  p.setClipPath(outline);

  // The trace panel: a faint grid with the echo curve.
  const QRectF panel(28, 168, w - 56, 84);
  p.setPen(QPen(QColor(255, 255, 255, 16), 1));
  for (int i = 0; i <= 8; ++i) {
    const double x = panel.left() + panel.width() * i / 8.0;
    p.drawLine(QPointF(x, panel.top()), QPointF(x, panel.bottom()));
  }
  for (int i = 0; i <= 3; ++i) {
    const double y = panel.top() + panel.height() * i / 3.0;
    p.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
  }
  const QPainterPath trace = EchoTrace(panel.adjusted(0, 8, 0, -6));
  p.setPen(QPen(QColor(120, 205, 245, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(trace);
  p.setPen(QPen(QColor(150, 220, 250), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(trace);

  // Footer.
  p.fillRect(QRectF(0, h - 36, w, 36), QColor(18, 24, 31, 150));
  p.fillRect(QRectF(0, h - 36, w, 1), QColor(72, 130, 186));
  p.restore();

  DrawEmblem(p, QPointF(116, 82), 1.5, QColor(120, 170, 220), QColor(150, 220, 250));
  QFont word = Face(52, true);
  word.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  p.setFont(word);
  p.setPen(QColor(244, 247, 250));
  p.drawText(QRectF(150, 48, 230, 66), Qt::AlignLeft | Qt::AlignVCenter, "TAVRO");
  QFont tag = Face(14);
  tag.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
  p.setFont(tag);
  p.setPen(QColor(170, 186, 204));
  p.drawText(QRectF(0, 120, w, 22), Qt::AlignCenter, "TDR level transmitter  ·  production & service");

  QFont small = Face(12);
  p.setFont(small);
  p.setPen(QColor(150, 166, 184));
  p.drawText(QRectF(22, h - 36, w - 44, 36), Qt::AlignLeft | Qt::AlignVCenter,
             "Modbus RTU  ·  HART  ·  calibration  ·  QC verify");
  p.setPen(QColor(210, 220, 232));
  p.drawText(QRectF(22, h - 36, w - 44, 36), Qt::AlignRight | Qt::AlignVCenter, "Starting…");

  p.setPen(QPen(kFrameOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
  p.end();
  return WithSeeThrough(art);
}

QImage AccessDialog() {
  const int w = kDialogWidth, h = kDialogHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  const QPainterPath outline = RoundedRect(r, 10, 10, 10, 10);
  p.fillPath(outline, kPageBody);
  const QPainterPath head = RoundedRect(QRectF(0.5, 0.5, w - 1, 44), 10, 10, 0, 0);
  p.fillPath(head, Vertical(0, 44, kHeaderTop, kHeaderBottom));
  p.fillRect(QRectF(1, 44, w - 2, 2), kAccentTop);

  // Padlock.
  const QPointF lock(26, 23);
  p.setPen(QPen(QColor(170, 190, 212), 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(lock.x() - 6, lock.y() - 12, 12, 14), 0, 180 * 16);
  p.drawLine(QPointF(lock.x() - 6, lock.y() - 5), QPointF(lock.x() - 6, lock.y() - 2));
  p.drawLine(QPointF(lock.x() + 6, lock.y() - 5), QPointF(lock.x() + 6, lock.y() - 2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 190, 212));
  p.drawRoundedRect(QRectF(lock.x() - 9, lock.y() - 2, 18, 13), 2.5, 2.5);
  p.setBrush(QColor(36, 46, 58));
  p.drawEllipse(QPointF(lock.x(), lock.y() + 3.5), 2, 2);

  p.setFont(Face(17, true));
  p.setPen(QColor(244, 247, 250));
  p.drawText(QRectF(46, 0, w - 60, 45), Qt::AlignLeft | Qt::AlignVCenter, "Engineering access");
  p.setFont(Face(13));
  p.setPen(kMutedText);
  p.drawText(QRectF(34, 52, w - 60, 18), Qt::AlignLeft | Qt::AlignVCenter, "Access code");
  p.setFont(Face(11));
  p.setPen(QColor(140, 150, 162));
  p.drawText(QRectF(0, 154, w, 18), Qt::AlignCenter, "For authorised service personnel");

  p.setPen(QPen(kFrameOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
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
