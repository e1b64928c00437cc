#include "widgets/vx_ellipse_button.h"

#include "widgets/fonts.h"
#include "widgets/press_effect.h"
#include "widgets/three_slice.h"

namespace tavro {
namespace {

ThreeSliceNames ButtonNames(int style) {
  const QString suffix = style == 0 ? QStringLiteral("style1") : QStringLiteral("style3");
  return {QStringLiteral("style/left_button_%1.bmp").arg(suffix),
          QStringLiteral("style/right_button_%1.bmp").arg(suffix),
          QStringLiteral("style/center_button_%1.bmp").arg(suffix)};
}

}  // namespace

vx_ellipse_button::vx_ellipse_button(QWidget* parent, int top, int left, int middleWidth,
                                     const QString& captionText, int style) {
  caption = new ClickableLabel(parent);
  caption->setText(captionText);
  caption->setFont(SkinFont(QStringLiteral("Calibri"), 12, true));
  QPalette palette = caption->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  // A disabled caption keeps its colour a little dimmed over the same frame.
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(205, 214, 224));
  caption->setPalette(palette);
  caption->setAlignment(Qt::AlignCenter);
  caption->move(left, top);

  frame_pictures = BuildThreeSlice(parent, top, left, middleWidth, ButtonNames(style));
  for (ClickableLabel* picture : frame_pictures) picture->raise();

  const int width =
      frame_pictures[0]->width() + frame_pictures[2]->width() + frame_pictures[1]->width();
  caption->resize(width, frame_pictures[0]->height());
  // The caption is the clickable face of the button: it lies over the frame.
  caption->raise();

  AttachPressEffect(caption, {caption, frame_pictures[0], frame_pictures[1], frame_pictures[2]},
                    {caption, frame_pictures[0], frame_pictures[1], frame_pictures[2]});
}

void vx_ellipse_button::shift(int dx, int dy) {
  ShiftParts({caption, frame_pictures[0], frame_pictures[1], frame_pictures[2]}, dx, dy);
}

}  // namespace tavro
