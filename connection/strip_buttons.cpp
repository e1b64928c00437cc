#include "connection/strip_buttons.h"

namespace tavro {
namespace {

ClickableLabel* Caption(StripButton button) { return MainWindow().strip_buttons.at(button); }

}  // namespace

QString StripCaption(StripButton button) {
  const ClickableLabel* caption = Caption(button);
  return caption != nullptr ? caption->text() : QString();
}

void SetStripCaption(StripButton button, const QString& text) {
  if (ClickableLabel* caption = Caption(button)) caption->setText(text);
}

void EnableStripButton(StripButton button, bool enabled) {
  if (ClickableLabel* caption = Caption(button)) caption->setEnabled(enabled);
}

}  // namespace tavro
