#include "widgets/window_shape.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWindow>

namespace tavro {

void MakeBorderless(QWidget* window) {
  if (!window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
  }
  window->setAttribute(Qt::WA_TranslucentBackground, true);
  window->setAutoFillBackground(false);
}

void ShapeWindowByPictures(QWidget* window, const std::vector<QLabel*>& pictures) {
  if (window->width() <= 0 || window->height() <= 0) return;
  QImage coverage(window->size(), QImage::Format_ARGB32_Premultiplied);
  coverage.fill(Qt::transparent);
  {
    QPainter painter(&coverage);
    for (QLabel* picture : pictures) {
      if (picture == nullptr) continue;
      const QPixmap pixmap = picture->pixmap();
      if (pixmap.isNull()) continue;
      const QRect target = picture->geometry();
      if (picture->hasScaledContents()) {
        painter.drawPixmap(target, pixmap);
      } else {
        painter.drawPixmap(target.topLeft(), pixmap);
      }
    }
  }
  // Mask bit set where some picture is at least half opaque.
  const QImage mask = coverage.createAlphaMask(Qt::ThresholdAlphaDither);
  QBitmap bitmap = QBitmap::fromImage(mask);
  window->setMask(QRegion(bitmap));
}

bool StartWindowDrag(QWidget* window) {
  QWindow* handle = window->window()->windowHandle();
  return handle != nullptr && handle->startSystemMove();
}

}  // namespace tavro
