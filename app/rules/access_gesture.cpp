#include "app/rules/access_gesture.h"

#include <Qt>

namespace tavro {

bool AccessGesture::KeyDown(int qtKey, const QString& portText) {
  if (qtKey == Qt::Key_Control) {
    modifierSeen_ = true;
  } else if (qtKey == Qt::Key_K) {
    letterSeen_ = true;
  } else {
    modifierSeen_ = false;
    letterSeen_ = false;
  }
  if (modifierSeen_ && letterSeen_ && portText == QLatin1String(kAccessPortName)) {
    modifierSeen_ = false;
    letterSeen_ = false;
    return true;
  }
  return false;
}

void AccessGesture::KeyUp() {
  modifierSeen_ = false;
  letterSeen_ = false;
}

}  // namespace tavro
