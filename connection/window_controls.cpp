#include "connection/window_controls.h"

#include "widgets/main_window_handles.h"

namespace tavro {

QLineEdit* FieldEdit(int field) {
  const vx_edit* edit = MainWindow().param_fields.at(static_cast<size_t>(field));
  return edit != nullptr ? edit->edit : nullptr;
}

QComboBox* ChoiceBox(int choice) {
  const vx_combobox* box = MainWindow().param_choices.at(static_cast<size_t>(choice));
  return box != nullptr ? box->combo : nullptr;
}

QString FieldText(int field) {
  const QLineEdit* edit = FieldEdit(field);
  return edit != nullptr ? edit->text() : QString();
}

void SetFieldText(int field, const QString& text) {
  if (QLineEdit* edit = FieldEdit(field)) edit->setText(text);
}

int ChoiceIndex(int choice) {
  const QComboBox* box = ChoiceBox(choice);
  return box != nullptr ? box->currentIndex() : -1;
}

void SetChoiceIndex(int choice, int index) {
  if (QComboBox* box = ChoiceBox(choice)) box->setCurrentIndex(index);
}

}  // namespace tavro
