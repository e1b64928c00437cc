#include "app/main_window/key_handlers.h"

#include <QComboBox>
#include <QKeyEvent>

#include "app/dispatch/dispatcher.h"
#include "app/rules/key_filter.h"
#include "widgets/error_guard.h"
#include "widgets/main_window_handles.h"
#include "widgets/tag.h"

namespace tavro {
namespace {

bool MoveToFieldEmpty() {
  const vx_edit* moveTo = MainWindow().param_fields[kMoveToField];
  return moveTo == nullptr || moveTo->text().isEmpty();
}

}  // namespace

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  bool swallow = false;
  RunGuarded([&] {
    switch (FilterFieldKey(Tag(watched), key->key(), key->text(), MoveToFieldEmpty())) {
      case KeyVerdict::kPass: break;
      case KeyVerdict::kSwallow: swallow = true; break;
      case KeyVerdict::kMoveTo: StartMoveTo(); break;
    }
  });
  return swallow;
}

IdFieldGestureFilter::IdFieldGestureFilter(QObject* parent, std::function<void()> openAccessDialog)
    : QObject(parent), openAccessDialog_(std::move(openAccessDialog)) {}

bool IdFieldGestureFilter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QComboBox* port = MainWindow().port_box;
    if (gesture_.KeyDown(key->key(), port != nullptr ? port->currentText() : QString())) {
      RunGuarded(openAccessDialog_);
    }
    // Ctrl+K would cut the rest of the line in Qt's edit box; in the ID field
    // it is only the gesture.
    return key->key() == Qt::Key_K && (key->modifiers() & Qt::ControlModifier);
  } else if (event->type() == QEvent::KeyRelease) {
    // Auto-repeat sends releases while the key is still held.
    if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) gesture_.KeyUp();
  }
  return false;
}

}  // namespace tavro
