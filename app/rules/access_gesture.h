#pragma once
// The hidden gesture that opens the access dialog: in the ID field, with
// "COM62" in the port box, hold Ctrl and press K. Any other key pressed in
// between, or any key released, starts it over.
#include <QString>

namespace tavro {

inline constexpr char kAccessPortName[] = "COM62";

class AccessGesture {
 public:
  // A key went down; true when the gesture is complete and the dialog is to
  // open (the gesture then starts over).
  bool KeyDown(int qtKey, const QString& portText);
  void KeyUp();

  bool modifierSeen() const { return modifierSeen_; }
  bool letterSeen() const { return letterSeen_; }

 private:
  bool modifierSeen_ = false;
  bool letterSeen_ = false;
};

}  // namespace tavro
