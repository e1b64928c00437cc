// Fields, drop arrows, buttons, the strip's pictures, the page tabs and
// body, and the log box frame. Three- and nine-slice pieces are cut from
// one drawing of the whole control, so the stretched control in the window
// looks like the drawing.
#include <QPainter>

#include "canvas.h"
#include "palette.h"
#include "pieces.h"
#include "sizes.h"

namespace skin {
namespace {

constexpr int kSampleMiddle = 40;  // width of the middle in the drawings

void SaveThreeSlice(const QImage& whole, int cap, const QString& dir, const QString& left,
                    const QString& middle, const QString& right) {
  const int mid = (whole.width() - kSliceMiddle) / 2;
  SaveBitmap(whole.copy(0, 0, cap, whole.height()), dir, left);
  SaveBitmap(whole.copy(mid, 0, kSliceMiddle, whole.height()), dir, middle);
  SaveBitmap(whole.copy(whole.width() - cap, 0, cap, whole.height()), dir, right);
}

// A white field with a soft inner shadow: edits and combo boxes on the pages.
QImage EditField() {
  const int w = 2 * kEditCap + kSampleMiddle, h = kEditHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  p.setPen(Qt::NoPen);
  p.setBrush(kFieldFill);
  p.drawRoundedRect(r, 4, 4);
  p.setPen(QPen(kFieldShadow, 1));
  p.drawLine(QPointF(4, 1.5), QPointF(w - 4, 1.5));
  p.setPen(QPen(kFieldOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 4, 4);
  p.end();
  return OverColour(art, kPageBody);
}

QImage Arrow() {
  QImage art = NewCanvas(kArrowSize, kArrowSize);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(0, 2, 1, kArrowSize - 4), kFieldShadow);
  QPainterPath chevron;
  const double cx = kArrowSize / 2.0 + 0.5, cy = kArrowSize / 2.0 + 0.5;
  chevron.moveTo(cx - 4, cy - 2);
  chevron.lineTo(cx, cy + 2);
  chevron.lineTo(cx + 4, cy - 2);
  p.setPen(QPen(QColor(70, 84, 100), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(chevron);
  p.end();
  return OverColour(art, Qt::white);
}

// Pill-shaped push button; the caption (white, bold) is drawn by the kit.
QImage Button(const QColor& top, const QColor& bottom, const QColor& outline) {
  const int w = 2 * kButtonCap + kSampleMiddle, h = kButtonHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const double radius = 9;
  // Soft drop shadow.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 28));
  p.drawRoundedRect(QRectF(1, 2, w - 2, h - 2), radius, radius);
  const QRectF body(0.5, 0.5, w - 1, h - 2.5);
  p.setBrush(Vertical(body.top(), body.bottom(), top, bottom));
  p.drawRoundedRect(body, radius, radius);
  // Top highlight.
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawRoundedRect(QRectF(2, 1.5, w - 4, h / 2.0 - 2), radius - 2, radius - 2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(outline, 1));
  p.drawRoundedRect(body, radius, radius);
  p.end();
  return OverColour(art, kPageBody);
}

QImage StripButton() {
  const int w = kStripButtonWidth, h = kStripButtonHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body(1.5, 3.5, w - 3, h - 7);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(body.translated(0, 1.5), 6, 6);
  p.setBrush(Vertical(body.top(), body.bottom(), kSilverTop, kSilverBottom));
  p.drawRoundedRect(body, 6, 6);
  p.setPen(QPen(kSilverOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(body, 6, 6);
  p.end();
  return OverImage(art, HeaderBand(w, kStripTop, h));
}

// Backing of the strip's ID field and boxes. The picture starts right at
// its label's edge; a little header shows first, so the label breathes.
QImage TitleEdit() {
  const int w = kTitleEditWidth, h = kTitleEditHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body(3.5, 3.5, w - 4, h - 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawRoundedRect(body.translated(0, 1), 5, 5);
  p.setBrush(Qt::white);
  p.drawRoundedRect(body, 5, 5);
  p.setPen(QPen(QColor(18, 24, 31), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(body, 5, 5);
  p.setPen(QPen(kFieldShadow, 1));
  p.drawLine(QPointF(8, 5), QPointF(w - 5, 5));
  p.end();
  return OverImage(art, HeaderBand(w, kStripTop, h));
}

QImage Tab(const QColor& top, const QColor& bottom, const QColor& outline) {
  const int w = kTabWidth, h = kTabHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QPainterPath shape = RoundedRect(QRectF(1.5, 3.5, w - 3, h), 7, 7, 0, 0);
  p.fillPath(shape, Vertical(3, h, top, bottom));
  p.setPen(QPen(QColor(255, 255, 255, 50), 1));
  p.drawLine(QPointF(8, 4.5), QPointF(w - 8, 4.5));
  p.setPen(QPen(outline, 1));
  p.drawPath(shape);
  p.end();
  return OverColour(art, kBody);
}

// Around the page bodies: the kit places each body 5 px in from the left
// and right and 4 px from the top and bottom of this picture.
QImage PageBody() {
  const int w = kPageWidth, h = kPageHeight;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  const QPainterPath shape = RoundedRect(r, 0, 0, 6, 6);
  p.fillPath(shape, QColor(234, 237, 241));
  p.setPen(QPen(QColor(150, 160, 172), 1));
  p.drawPath(shape);
  // The accent line the active tab stands on.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(0, 0, w, 3), kAccentBottom);
  // A hairline around the body itself.
  p.setPen(QPen(QColor(196, 204, 213), 1));
  p.setBrush(kPageBody);
  p.drawRect(QRect(4, 3, w - 9, h - 7));
  p.end();
  return OverColour(art, kBody);
}

QImage RichFrame() {
  const int w = 2 * kRichCorner + kSampleMiddle, h = 2 * kRichCorner + kSampleMiddle;
  QImage art = NewCanvas(w, h);
  QPainter p(&art);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 6, 6);
  p.setPen(QPen(kFieldShadow, 1));
  p.drawLine(QPointF(6, 1.5), QPointF(w - 6, 1.5));
  p.setPen(QPen(kFieldOutline, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 6, 6);
  p.end();
  return OverColour(art, kPageBody);
}

void SaveNineSlice(const QImage& whole, int c, const QString& dir) {
  const int w = whole.width(), h = whole.height();
  const int mx = (w - kSliceMiddle) / 2, my = (h - kSliceMiddle) / 2;
  SaveBitmap(whole.copy(0, 0, c, c), dir, "left_up_richedit.bmp");
  SaveBitmap(whole.copy(0, my, c, kSliceMiddle), dir, "left_center_richedit.bmp");
  SaveBitmap(whole.copy(0, h - c, c, c), dir, "left_down_richedit.bmp");
  SaveBitmap(whole.copy(w - c, 0, c, c), dir, "right_up_richedit.bmp");
  SaveBitmap(whole.copy(w - c, my, c, kSliceMiddle), dir, "right_center_richedit.bmp");
  SaveBitmap(whole.copy(w - c, h - c, c, c), dir, "right_down_richedit.bmp");
  SaveBitmap(whole.copy(mx, 0, kSliceMiddle, c), dir, "up_richedit.bmp");
  SaveBitmap(whole.copy(mx, my, kSliceMiddle, kSliceMiddle), dir, "center_richedit.bmp");
  SaveBitmap(whole.copy(mx, h - c, kSliceMiddle, c), dir, "down_richedit.bmp");
}

}  // namespace

void RenderControls(const QString& dir) {
  SaveThreeSlice(EditField(), kEditCap, dir, "left_edit.bmp", "center_edit.bmp", "right_edit.bmp");
  SaveBitmap(Arrow(), dir, "arrow.bmp");
  SaveThreeSlice(Button(kAccentTop, kAccentBottom, kAccentOutline), kButtonCap, dir,
                 "left_button_style1.bmp", "center_button_style1.bmp", "right_button_style1.bmp");
  SaveThreeSlice(Button(kSlateTop, kSlateBottom, kSlateOutline), kButtonCap, dir,
                 "left_button_style3.bmp", "center_button_style3.bmp", "right_button_style3.bmp");
  SaveBitmap(StripButton(), dir, "button.bmp");
  SaveBitmap(TitleEdit(), dir, "title_edit.bmp");
  SaveBitmap(Tab(kAccentTop, kAccentBottom, kAccentOutline), dir, "page_title_1st.bmp");
  SaveBitmap(Tab(kSlateTop, kSlateBottom, kSlateOutline), dir, "page_title_2nd.bmp");
  SaveBitmap(PageBody(), dir, "page.bmp");
  SaveNineSlice(RichFrame(), kRichCorner, dir);
}

}  // namespace skin
