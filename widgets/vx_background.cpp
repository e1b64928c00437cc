#include "widgets/vx_background.h"

#include <QEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include "widgets/fonts.h"
#include "widgets/press_effect.h"
#include "widgets/skin.h"
#include "widgets/tag.h"
#include "widgets/three_slice.h"
#include "widgets/window_shape.h"

namespace tavro {
namespace {

enum Frame {
  kTopEdge,
  kCentre,
  kBottomEdge,
  kTopLeft,
  kLeftEdge,
  kBottomLeft,
  kTopRight,
  kRightEdge,
  kBottomRight,
  kLogo,
};

const char* const kFrameFiles[10] = {
    "style/center_up_2.bmp", "style/center.bmp",       "style/center_down.bmp",
    "style/left_up_2.bmp",   "style/left_center.bmp",  "style/left_down.bmp",
    "style/right_up_2.bmp",  "style/right_center.bmp", "style/right_down.bmp",
    "style/logo.bmp",
};

const char* const kButtonCaptions[4] = {"Hart", "Modbus", "Sync", "Exit"};
const char* const kBaudRates[8] = {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};

constexpr int kStripComboWidth = 70;
constexpr int kStripComboHeight = 20;
constexpr int kArrowPanelWidth = 18;
constexpr int kArrowPanelHeight = 21;

int RightEdge(const QWidget* w) { return w->x() + w->width(); }

// The progress bar stands in front of everything, including what the
// window builds after the strip. The filter lives and dies with the bar.
class KeepInFront : public QObject {
 public:
  KeepInFront(QWidget* window, QWidget* front) : QObject(front), front_(front) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded && front_ && watched == front_->parent()) {
      front_->raise();
    }
    return false;
  }

 private:
  QPointer<QWidget> front_;
};

QLabel* NewStripLabel(QWidget* window, const QString& text, int top, int left) {
  auto* label = new QLabel(text, window);
  label->setFont(SkinFont(QStringLiteral("Calibri"), 12, true));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  label->adjustSize();
  label->move(left, top);
  return label;
}

QComboBox* NewStripCombo(QWidget* window, int top, int left) {
  auto* combo = new QComboBox(window);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setFrame(false);
  combo->setFont(SizedFont(window->font(), 8, true));
  QPalette palette = combo->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Button, Qt::white);
  combo->setPalette(palette);
  combo->setGeometry(left, top, kStripComboWidth, kStripComboHeight);
  return combo;
}

}  // namespace

vx_background::vx_background(QWidget* dressed) : window(dressed) {
  MakeBorderless(window);
  const int W = window->width();
  const int H = window->height();

  std::array<QPixmap, 10> pix;
  for (int i = 0; i < 10; ++i) {
    pix[i] = LoadSkinBitmap(QString::fromUtf8(kFrameFiles[i]));
    frame_pictures[i] = new ClickableLabel(window);
    frame_pictures[i]->setPixmap(pix[i]);
    frame_pictures[i]->setScaledContents(true);
    SetTag(frame_pictures[i], i);
  }
  const QSize tl = pix[kTopLeft].size(), bl = pix[kBottomLeft].size();
  const QSize tr = pix[kTopRight].size(), br = pix[kBottomRight].size();
  const int leftEdgeW = pix[kLeftEdge].width(), rightEdgeW = pix[kRightEdge].width();
  const int topEdgeH = pix[kTopEdge].height(), bottomEdgeH = pix[kBottomEdge].height();

  frame_pictures[kTopLeft]->setGeometry(0, 0, tl.width(), tl.height());
  frame_pictures[kBottomLeft]->setGeometry(0, H - bl.height(), bl.width(), bl.height());
  frame_pictures[kTopRight]->setGeometry(W - tr.width(), 0, tr.width(), tr.height());
  frame_pictures[kBottomRight]->setGeometry(W - br.width(), H - br.height(), br.width(),
                                            br.height());
  frame_pictures[kLeftEdge]->setGeometry(0, tl.height(), leftEdgeW,
                                         H - tl.height() - bl.height());
  frame_pictures[kRightEdge]->setGeometry(W - rightEdgeW, tr.height(), rightEdgeW,
                                          H - tr.height() - br.height());
  frame_pictures[kTopEdge]->setGeometry(tl.width(), 0, W - tl.width() - tr.width(), topEdgeH);
  frame_pictures[kBottomEdge]->setGeometry(bl.width(), H - bottomEdgeH,
                                           W - bl.width() - br.width(), bottomEdgeH);
  frame_pictures[kCentre]->setGeometry(leftEdgeW, topEdgeH, W - leftEdgeW - rightEdgeW,
                                       H - topEdgeH - bottomEdgeH);
  frame_pictures[kLogo]->setGeometry((W - pix[kLogo].width()) / 2, 0, pix[kLogo].width(),
                                     pix[kLogo].height());
  // The corners and edges overlap the centre; they lie over it.
  for (int i : {kTopEdge, kBottomEdge, kLeftEdge, kRightEdge, kTopLeft, kBottomLeft, kTopRight,
                kBottomRight, kLogo}) {
    frame_pictures[i]->raise();
  }
  ShapeWindowByPictures(window, std::vector<QLabel*>(frame_pictures.begin(), frame_pictures.end()));

  QPointer<QWidget> dragged = window;
  for (int i : {kLogo, kTopLeft, kTopEdge, kTopRight}) {
    QObject::connect(frame_pictures[i], &ClickableLabel::pressed, frame_pictures[i], [dragged] {
      if (dragged) StartWindowDrag(dragged);
    });
  }

  stripRow_ = tl.height() * 2 / 3;
  const int row = stripRow_;

  strip_labels[0] = NewStripLabel(window, QStringLiteral("ID:"), row, 20);
  strip_labels[1] = NewStripLabel(window, QStringLiteral("BaudRate:"), row, 132);

  const QPixmap backing = LoadSkinBitmap(QStringLiteral("style/title_edit.bmp"));
  backing_pictures[0] = NewPicture(window, backing);
  backing_pictures[0]->move(RightEdge(strip_labels[0]), row - 6);
  backing_pictures[1] = NewPicture(window, backing);
  backing_pictures[1]->move(RightEdge(strip_labels[1]), row - 6);
  backing_pictures[2] = NewPicture(window, backing);
  backing_pictures[2]->move(RightEdge(backing_pictures[1]) + 3, row - 6);

  edit = new QLineEdit(QStringLiteral("1"), window);
  edit->setFrame(false);
  edit->setFont(SizedFont(window->font(), 10, true));
  QPalette editPalette = edit->palette();
  editPalette.setColor(QPalette::Text, Qt::black);
  editPalette.setColor(QPalette::Base, Qt::white);
  edit->setPalette(editPalette);
  edit->setGeometry(RightEdge(strip_labels[0]) + 10, row + 2, 50, 16);

  combos[0] = NewStripCombo(window, row, RightEdge(strip_labels[1]) + 7);
  for (const char* rate : kBaudRates) combos[0]->addItem(QString::fromUtf8(rate));
  combos[0]->setCurrentText(QStringLiteral("9600"));
  combos[1] = NewStripCombo(window, row, RightEdge(combos[0]) + 18);
  for (int n = 1; n <= 99; ++n) combos[1]->addItem(QStringLiteral("COM%1").arg(n));
  combos[1]->setCurrentText(QStringLiteral("COM1"));

  const QPixmap arrow = LoadSkinBitmap(QStringLiteral("style/arrow.bmp"));
  for (int i = 0; i < 2; ++i) {
    arrow_panels[i] = new QFrame(window);
    arrow_panels[i]->setFrameShape(QFrame::NoFrame);
    arrow_panels[i]->setAutoFillBackground(true);
    QPalette palette = arrow_panels[i]->palette();
    palette.setColor(QPalette::Window, Qt::white);
    arrow_panels[i]->setPalette(palette);
    arrow_panels[i]->setGeometry(RightEdge(combos[i]) - kArrowPanelWidth, row, kArrowPanelWidth,
                                 kArrowPanelHeight);
    arrow_pictures[i] = NewPicture(arrow_panels[i], arrow);
    arrow_pictures[i]->move((kArrowPanelWidth - arrow.width()) / 2,
                            (kArrowPanelHeight - arrow.height()) / 2);
    arrow_pictures[i]->setCursor(Qt::PointingHandCursor);
    QPointer<QComboBox> box = combos[i];
    QObject::connect(arrow_pictures[i], &ClickableLabel::clicked, arrow_pictures[i], [box] {
      // A disabled box must not change: its list stays closed.
      if (!box || !box->isEnabled()) return;
      box->setFocus(Qt::MouseFocusReason);
      box->showPopup();
    });
  }

  const QPixmap button = LoadSkinBitmap(QStringLiteral("style/button.bmp"));
  for (int i = 0; i < 4; ++i) {
    const int left = RightEdge(combos[1]) + 18 + 85 * i;
    button_pictures[i] = NewPicture(window, button);
    button_pictures[i]->move(left, row - 6);
    SetTag(button_pictures[i], i);
    button_captions[i] = new ClickableLabel(window);
    button_captions[i]->setText(QString::fromUtf8(kButtonCaptions[i]));
    button_captions[i]->setFont(SkinFont(QStringLiteral("Calibri"), 12, true));
    QPalette palette = button_captions[i]->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 134, 140));
    button_captions[i]->setPalette(palette);
    button_captions[i]->setAlignment(Qt::AlignCenter);
    button_captions[i]->setGeometry(button_pictures[i]->geometry());
    button_captions[i]->setCursor(Qt::PointingHandCursor);
    SetTag(button_captions[i], i);
    AttachPressEffect(button_captions[i], {button_pictures[i], button_captions[i]},
                      {button_pictures[i], button_captions[i]});
  }
  for (ClickableLabel* trigger : {button_pictures[3], button_captions[3]}) {
    exitConnections_.push_back(
        QObject::connect(trigger, &ClickableLabel::clicked, trigger, [dragged] {
          if (dragged) dragged->close();
        }));
  }

  // Edit, boxes and arrows lie over their backing pictures.
  edit->raise();
  for (int i = 0; i < 2; ++i) {
    combos[i]->raise();
    arrow_panels[i]->raise();
  }

  progress_bar = new QProgressBar(window);
  progress_bar->setRange(0, 10);
  progress_bar->setValue(0);
  progress_bar->setTextVisible(false);
  // Groove and bar in the footer's slate and the skin's accent.
  QPalette barPalette = progress_bar->palette();
  barPalette.setColor(QPalette::Base, QColor(44, 56, 70));
  barPalette.setColor(QPalette::Window, QColor(44, 56, 70));
  barPalette.setColor(QPalette::Highlight, QColor(72, 150, 210));
  // The plain bar of the classic style: the live monitor steps it every
  // 10 ms, and the rounded, shaded bar costs ten times as much to paint,
  // which lengthened every wait by 5 %. Its frame takes the groove's slate.
  if (QStyle* plain = QStyleFactory::create(QStringLiteral("Windows"))) {
    plain->setParent(progress_bar);
    progress_bar->setStyle(plain);
    for (QPalette::ColorRole role : {QPalette::Light, QPalette::Midlight, QPalette::Mid,
                                     QPalette::Dark, QPalette::Shadow, QPalette::Button}) {
      barPalette.setColor(role, QColor(44, 56, 70));
    }
  }
  progress_bar->setPalette(barPalette);
  const int barLeft = frame_pictures[kBottomLeft]->x() + 20;
  progress_bar->setGeometry(barLeft, H - 32, W - barLeft - 20, 15);
  progress_bar->raise();
  new KeepInFront(window, progress_bar);
}

void vx_background::replaceExitHandler(const std::function<void()>& handler) {
  for (const QMetaObject::Connection& connection : exitConnections_) {
    QObject::disconnect(connection);
  }
  exitConnections_.clear();
  for (ClickableLabel* trigger : {button_pictures[3], button_captions[3]}) {
    exitConnections_.push_back(
        QObject::connect(trigger, &ClickableLabel::clicked, trigger, handler));
  }
}

}  // namespace tavro
