#include "connection/field_locking.h"

#include "connection/window_controls.h"

namespace tavro {
namespace {

void SetLocked(bool locked) {
  for (int k = 0; k < kLockedFieldCount; ++k) {
    if (QLineEdit* edit = FieldEdit(k)) edit->setReadOnly(locked);
  }
  for (int k = 0; k < kLockedChoiceCount; ++k) {
    if (QComboBox* box = ChoiceBox(k)) box->setEnabled(!locked);
  }
}

}  // namespace

void LockParameterFields() { SetLocked(true); }
void UnlockParameterFields() { SetLocked(false); }

}  // namespace tavro
