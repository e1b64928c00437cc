#include "widgets/bar_gauge.h"

#include <QPainter>
#include <algorithm>

namespace tavro {

BarGauge::BarGauge(QWidget* parent) : QWidget(parent) {}

void BarGauge::setProgress(int value) {
  const int clamped = std::clamp(value, 0, 100);
  if (clamped == progress_) return;
  progress_ = clamped;
  update();
}

void BarGauge::setColors(const QColor& foreground, const QColor& background) {
  foreground_ = foreground;
  background_ = background;
  update();
}

void BarGauge::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  painter.fillRect(rect(), QColor(150, 158, 166));
  painter.fillRect(inner, background_);
  const int filled = inner.height() * progress_ / 100;
  if (filled > 0) {
    painter.fillRect(QRect(inner.left(), inner.bottom() - filled + 1, inner.width(), filled),
                     foreground_);
  }
}

}  // namespace tavro
