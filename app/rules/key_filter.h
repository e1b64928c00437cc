#pragma once
// The key filter of every field: while "Move To" (field 58) holds text,
// fields below 70 take only digits, "-", "." and Backspace; Enter in field
// 58 starts the Move To operation. Keys that type nothing (arrows, Delete,
// shortcuts) are not characters and always pass.
#include <QString>

namespace tavro {

inline constexpr int kMoveToField = 58;
inline constexpr int kFirstFreeTextField = 70;

enum class KeyVerdict {
  kPass,     // the field takes the key
  kSwallow,  // the key is dropped
  kMoveTo,   // the key passes and Move To starts
};

// `qtKey` and `text` as the key event carries them.
KeyVerdict FilterFieldKey(int field, int qtKey, const QString& text, bool moveToFieldEmpty);

}  // namespace tavro
