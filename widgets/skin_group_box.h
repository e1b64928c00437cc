#pragma once
// A group box drawn in the skin's manner instead of the platform style's:
// a plain fill in its palette's window colour (exactly that colour, so the
// skin bitmaps on it blend in), a hairline rounded frame and the caption
// over the frame's top line. A flat box draws only its fill.
#include <QGroupBox>

namespace tavro {

class SkinGroupBox : public QGroupBox {
 public:
  explicit SkinGroupBox(QWidget* parent, const QString& caption = QString());

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavro
