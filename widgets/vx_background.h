#pragma once
// Dresses a whole window: borderless, shaped by yellow see-through pixels,
// framed by ten skin pictures, dragged by its logo and top frame, and
// carrying the connection strip (ID field, baud and port boxes, four strip
// buttons, progress bar).
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "widgets/clickable_label.h"

namespace tavro {

class vx_background {
 public:
  explicit vx_background(QWidget* window);

  QWidget* window = nullptr;
  // 0 top edge, 1 centre, 2 bottom edge, 3 top-left, 4 left edge,
  // 5 bottom-left, 6 top-right, 7 right edge, 8 bottom-right, 9 logo.
  std::array<ClickableLabel*, 10> frame_pictures{};
  std::array<QLabel*, 2> strip_labels{};  // "ID:", "BaudRate:"
  std::array<ClickableLabel*, 4> button_pictures{};
  std::array<ClickableLabel*, 4> button_captions{};  // "Hart", "Modbus", "Sync", "Exit"
  QLineEdit* edit = nullptr;                          // id_field
  std::array<ClickableLabel*, 3> backing_pictures{};
  std::array<QComboBox*, 2> combos{};  // baud_box, port_box
  std::array<QFrame*, 2> arrow_panels{};
  std::array<ClickableLabel*, 2> arrow_pictures{};
  QProgressBar* progress_bar = nullptr;

  int stripRow() const { return stripRow_; }

  // The fourth strip button ("Exit") closes the window; the main window
  // puts its own handler in place of that.
  void replaceExitHandler(const std::function<void()>& handler);

 private:
  int stripRow_ = 0;
  std::vector<QMetaObject::Connection> exitConnections_;
};

}  // namespace tavro
