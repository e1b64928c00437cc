#pragma once
// Event filters that turn Qt's key events into the window's key handlers:
// the key filter of every field and the access gesture of the ID field.
#include <QObject>
#include <functional>

#include "app/rules/access_gesture.h"

namespace tavro {

// Installed on every field's edit box; the field's number is its Tag.
class FieldKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installed on the ID field; calls `openAccessDialog` when the gesture is
// complete.
class IdFieldGestureFilter : public QObject {
 public:
  IdFieldGestureFilter(QObject* parent, std::function<void()> openAccessDialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AccessGesture gesture_;
  std::function<void()> openAccessDialog_;
};

}  // namespace tavro
