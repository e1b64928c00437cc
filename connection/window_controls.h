#pragma once
// Null-safe access to the running window's fields and choices for the
// operations that outlive a wait: the window may have been rebuilt (or its
// build may have stopped half-way) while events were pumped, so nothing
// keeps a widget pointer, and a control that is missing is skipped.
#include <QComboBox>
#include <QLineEdit>
#include <QString>

namespace tavro {

QLineEdit* FieldEdit(int field);  // null without a window
QComboBox* ChoiceBox(int choice);  // null without a window

QString FieldText(int field);  // empty without a window
void SetFieldText(int field, const QString& text);
// The selected item's index, -1 for none or without a window.
int ChoiceIndex(int choice);
void SetChoiceIndex(int choice, int index);

}  // namespace tavro
