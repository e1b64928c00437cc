#pragma once
// The control number that operations address (field k, choice k, button k)
// travels as the Qt property "Tag" of the edit box, combo box or caption.
#include <QObject>
#include <QVariant>

namespace tavro {

inline void SetTag(QObject* control, int tag) { control->setProperty("Tag", tag); }
inline int Tag(const QObject* control) {
  const QVariant v = control->property("Tag");
  return v.isValid() ? v.toInt() : -1;
}

}  // namespace tavro
