#include "widgets/press_effect.h"

#include <QPointer>
#include <memory>

namespace tavro {
namespace {

struct PressState {
  QPointer<ClickableLabel> caption;
  std::vector<QPointer<QWidget>> parts;
  bool pressedIn = false;

  void move(int dx, int dy) {
    for (const auto& part : parts) {
      if (part) part->move(part->x() + dx, part->y() + dy);
    }
  }
};

}  // namespace

void ShiftParts(const std::vector<QWidget*>& parts, int dx, int dy) {
  for (QWidget* part : parts) {
    if (part != nullptr) part->move(part->x() + dx, part->y() + dy);
  }
}

void AttachPressEffect(ClickableLabel* caption, const std::vector<ClickableLabel*>& triggers,
                       const std::vector<QWidget*>& parts) {
  // The state belongs to the widgets' connections, not to the vx_ object
  // that built them: the window may outlive that object.
  auto state = std::make_shared<PressState>();
  state->caption = caption;
  for (QWidget* part : parts) state->parts.emplace_back(part);

  for (ClickableLabel* trigger : triggers) {
    QObject::connect(trigger, &ClickableLabel::pressed, trigger, [state] {
      if (state->pressedIn || !state->caption || !state->caption->isEnabled()) return;
      state->pressedIn = true;
      state->move(1, 1);
    });
    QObject::connect(trigger, &ClickableLabel::released, trigger, [state] {
      if (!state->pressedIn) return;
      state->pressedIn = false;
      state->move(-1, -1);
    });
  }
}

}  // namespace tavro
