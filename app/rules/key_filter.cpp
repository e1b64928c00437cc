#include "app/rules/key_filter.h"

#include <Qt>

namespace tavro {
namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool TypesCharacter(const QString& text) {
  return text.size() == 1 && text.at(0).isPrint();
}

bool IsNumberCharacter(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
         c == QLatin1Char('.');
}

}  // namespace

KeyVerdict FilterFieldKey(int field, int qtKey, const QString& text, bool moveToFieldEmpty) {
  if (moveToFieldEmpty) return KeyVerdict::kPass;
  if (field >= kFirstFreeTextField) return KeyVerdict::kPass;
  if (IsEnter(qtKey)) return field == kMoveToField ? KeyVerdict::kMoveTo : KeyVerdict::kPass;
  if (qtKey == Qt::Key_Backspace || !TypesCharacter(text)) return KeyVerdict::kPass;
  return IsNumberCharacter(text.at(0)) ? KeyVerdict::kPass : KeyVerdict::kSwallow;
}

}  // namespace tavro
