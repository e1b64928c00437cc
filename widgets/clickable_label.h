#pragma once
// A label (text or bitmap) that reports presses and clicks: the clickable part
// of every skinned control. Qt delivers no mouse events to a disabled widget,
// so a disabled label neither clicks nor shows a press effect.
#include <QLabel>

namespace tavro {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent);

  // Emits pressed(), released() and clicked() as a mouse click would, if the
  // label is enabled. For tests and for keyboard activation.
  void click();

 signals:
  void pressed();
  void released();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tavro
