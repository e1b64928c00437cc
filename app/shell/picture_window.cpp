#include "app/shell/picture_window.h"

#include "widgets/skin.h"
#include "widgets/window_shape.h"

namespace tavro {

ClickableLabel* DressAsPicture(QWidget* window, const QString& bitmap) {
  MakeBorderless(window);
  const QPixmap pixmap = LoadSkinBitmap(bitmap);
  auto* picture = new ClickableLabel(window);
  picture->setPixmap(pixmap);
  picture->setGeometry(0, 0, pixmap.width(), pixmap.height());
  window->setFixedSize(pixmap.size());
  ShapeWindowByPictures(window, {picture});
  return picture;
}

}  // namespace tavro
