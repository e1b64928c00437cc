#include "app/shell/desktop.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavro {

void CenterOnDesktop(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2,
               area.y() + (area.height() - window->height()) / 2);
}

}  // namespace tavro
