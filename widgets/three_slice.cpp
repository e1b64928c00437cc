#include "widgets/three_slice.h"

#include "widgets/skin.h"

namespace tavro {

ClickableLabel* NewPicture(QWidget* parent, const QPixmap& pixmap) {
  auto* picture = new ClickableLabel(parent);
  picture->setPixmap(pixmap);
  picture->resize(pixmap.size());
  return picture;
}

ClickableLabel* NewStretchedPicture(QWidget* parent, const QPixmap& pixmap, const QSize& size) {
  auto* picture = new ClickableLabel(parent);
  picture->setPixmap(pixmap);
  picture->setScaledContents(true);
  picture->resize(size.expandedTo(QSize(0, 0)));
  return picture;
}

std::array<ClickableLabel*, 3> BuildThreeSlice(QWidget* parent, int top, int left, int middleWidth,
                                               const ThreeSliceNames& names) {
  std::array<ClickableLabel*, 3> frame{};
  const QPixmap leftCap = LoadSkinBitmap(names.left);
  frame[0] = NewPicture(parent, leftCap);
  frame[0]->move(left, top);

  const QPixmap rightCap = LoadSkinBitmap(names.right);
  frame[1] = NewPicture(parent, rightCap);
  frame[1]->move(left + leftCap.width() + middleWidth, top);

  const QPixmap middle = LoadSkinBitmap(names.middle);
  frame[2] = NewStretchedPicture(parent, middle, QSize(middleWidth, middle.height()));
  frame[2]->move(left + leftCap.width(), top);
  return frame;
}

InnerSpan InnerSpanOf(const std::array<ClickableLabel*, 3>& frame) {
  const int leftCap = frame[0]->width();
  const int rightCap = frame[1]->width();
  const int middle = frame[2]->width();
  return {frame[0]->x() + leftCap / 2, leftCap / 2 + middle + rightCap / 2};
}

}  // namespace tavro
