#include "widgets/vx_richedit.h"

#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>

#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/three_slice.h"

namespace tavro {
namespace {

// Order of the slices in frame_pictures.
enum Slice {
  kLeftUp,
  kLeftCenter,
  kLeftDown,
  kRightUp,
  kRightCenter,
  kRightDown,
  kUp,
  kCenter,
  kDown,
};

const char* const kSliceFiles[9] = {
    "style/left_up_richedit.bmp",   "style/left_center_richedit.bmp",
    "style/left_down_richedit.bmp", "style/right_up_richedit.bmp",
    "style/right_center_richedit.bmp", "style/right_down_richedit.bmp",
    "style/up_richedit.bmp",        "style/center_richedit.bmp",
    "style/down_richedit.bmp",
};

void ScrollToEnd(QPlainTextEdit* box) {
  QScrollBar* bar = box->verticalScrollBar();
  bar->setValue(bar->maximum());
}

}  // namespace

vx_richedit::vx_richedit(QWidget* parent, int top, int left, int height, int width) {
  std::array<QPixmap, 9> slices;
  for (int i = 0; i < 9; ++i) slices[i] = LoadSkinBitmap(QString::fromUtf8(kSliceFiles[i]));
  // Nothing is placed until every slice has been read: the frame is never
  // half built.
  const QSize lu = slices[kLeftUp].size(), ld = slices[kLeftDown].size();
  const QSize ru = slices[kRightUp].size(), rd = slices[kRightDown].size();
  const int right = left + width, bottom = top + height;

  auto place = [&](int slice, const QRect& rect) {
    frame_pictures[slice] = NewStretchedPicture(parent, slices[slice], rect.size());
    frame_pictures[slice]->move(rect.topLeft());
  };
  place(kLeftUp, QRect(left, top, lu.width(), lu.height()));
  place(kLeftCenter, QRect(left, top + lu.height(), slices[kLeftCenter].width(),
                           height - lu.height() - ld.height()));
  place(kLeftDown, QRect(left, bottom - ld.height(), ld.width(), ld.height()));
  place(kRightUp, QRect(right - ru.width(), top, ru.width(), ru.height()));
  place(kRightCenter,
        QRect(right - slices[kRightCenter].width(), top + ru.height(),
              slices[kRightCenter].width(), height - ru.height() - rd.height()));
  place(kRightDown, QRect(right - rd.width(), bottom - rd.height(), rd.width(), rd.height()));
  place(kUp, QRect(left + lu.width(), top, width - lu.width() - ru.width(),
                   slices[kUp].height()));
  place(kDown, QRect(left + ld.width(), bottom - slices[kDown].height(),
                     width - ld.width() - rd.width(), slices[kDown].height()));
  const int centreLeft = left + slices[kLeftCenter].width();
  const int centreTop = top + slices[kUp].height();
  place(kCenter, QRect(centreLeft, centreTop,
                       right - slices[kRightCenter].width() - centreLeft,
                       bottom - slices[kDown].height() - centreTop));

  text_box = new QPlainTextEdit(parent);
  text_box->setFrameShape(QFrame::NoFrame);
  text_box->setFont(SkinFont(QStringLiteral("Calibri"), 10));
  QPalette palette = text_box->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  text_box->setPalette(palette);
  text_box->setGeometry(left + lu.width() / 2, top + lu.height() / 2, width - lu.width(),
                        height - lu.height());

  QPointer<QPlainTextEdit> box = text_box;
  QObject::connect(text_box, &QPlainTextEdit::textChanged, text_box, [box] {
    if (box) ScrollToEnd(box);
  });
  // The range grows while the new text is laid out, after the change was
  // announced: follow it, so the last line stays in view.
  QObject::connect(text_box->verticalScrollBar(), &QScrollBar::rangeChanged, text_box,
                   [box](int, int max) {
                     if (box) box->verticalScrollBar()->setValue(max);
                   });
}

void vx_richedit::addLine(const QString& line) {
  text_box->appendPlainText(line);
  ScrollToEnd(text_box);
}

QStringList vx_richedit::lines() const {
  QStringList result;
  for (QTextBlock block = text_box->document()->begin(); block.isValid(); block = block.next()) {
    result << block.text();
  }
  if (text_box->document()->isEmpty()) result.clear();
  return result;
}

void vx_richedit::clear() { text_box->clear(); }

}  // namespace tavro
