#include "widgets/clickable_label.h"

#include <QMouseEvent>
#include <QPointer>

namespace tavro {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::click() {
  if (!isEnabled()) return;
  QPointer<ClickableLabel> self(this);
  emit pressed();
  if (!self) return;
  emit released();
  if (!self) return;
  emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLabel::mousePressEvent(event);
    return;
  }
  event->accept();
  emit pressed();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLabel::mouseReleaseEvent(event);
    return;
  }
  event->accept();
  // A click handler may rebuild the window and delete this label.
  QPointer<ClickableLabel> self(this);
  const bool inside = rect().contains(event->position().toPoint());
  emit released();
  if (self && inside) emit clicked();
}

}  // namespace tavro
