#pragma once
// Log box: nine-slice frame around a borderless text box. Lines are added at
// the end; the box scrolls to its last line after every change.
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <array>

#include "widgets/clickable_label.h"

namespace tavro {

class vx_richedit {
 public:
  vx_richedit(QWidget* parent, int top, int left, int height, int width);

  std::array<ClickableLabel*, 9> frame_pictures{};
  QPlainTextEdit* text_box = nullptr;

  // Adds one line at the end (a text ending in "\n" leaves an empty line after it).
  void addLine(const QString& line);
  QStringList lines() const;
  void clear();
};

}  // namespace tavro
