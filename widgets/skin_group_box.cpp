#include "widgets/skin_group_box.h"

#include <QPainter>

namespace tavro {
namespace {

const QColor kFrameLine(196, 204, 213);
constexpr int kCaptionLeft = 10;
constexpr int kCaptionPadding = 4;

}  // namespace

SkinGroupBox::SkinGroupBox(QWidget* parent, const QString& caption) : QGroupBox(caption, parent) {
  setAutoFillBackground(false);
}

void SkinGroupBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QColor fill = palette().color(QPalette::Window);
  painter.fillRect(rect(), fill);
  if (isFlat()) return;

  const QFontMetrics metrics(font());
  const bool hasCaption = !title().isEmpty();
  const int frameTop = hasCaption ? metrics.height() / 2 : 0;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kFrameLine, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, frameTop + 0.5, -0.5, -0.5), 4, 4);
  if (!hasCaption) return;

  const QString caption = metrics.elidedText(title(), Qt::ElideRight, width() - 2 * kCaptionLeft);
  const int captionWidth = metrics.horizontalAdvance(caption);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(kCaptionLeft - kCaptionPadding, 0, captionWidth + 2 * kCaptionPadding,
                         metrics.height()),
                   fill);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
  painter.setFont(font());
  painter.drawText(QRect(kCaptionLeft, 0, captionWidth, metrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, caption);
}

}  // namespace tavro
