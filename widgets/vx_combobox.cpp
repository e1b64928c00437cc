#include "widgets/vx_combobox.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <memory>
#include <utility>

#include "widgets/field_label.h"
#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/three_slice.h"

namespace tavro {
namespace {

constexpr int kComboHeight = 20;
constexpr int kArrowPanelSize = 19;

// Qt selects the first item of an empty box as soon as one is added; the
// toolkit's box keeps no selection (and its text) until one is made.
void KeepNoSelectionWhenFilled(QComboBox* combo) {
  auto before = std::make_shared<std::pair<int, QString>>(-1, QString());
  QAbstractItemModel* model = combo->model();
  QPointer<QComboBox> box = combo;
  QObject::connect(model, &QAbstractItemModel::rowsAboutToBeInserted, combo, [box, before] {
    if (box) *before = {box->currentIndex(), box->currentText()};
  });
  QObject::connect(model, &QAbstractItemModel::rowsInserted, combo, [box, before] {
    if (!box || before->first != -1 || box->currentIndex() == -1) return;
    box->setCurrentIndex(-1);
    box->setEditText(before->second);
  });
}

}  // namespace

vx_combobox::vx_combobox(QWidget* parent, int top, int left, int middleWidth, int gap,
                         const QString& labelText, const QString& initialText) {
  label = NewFieldLabel(parent, labelText, top, left);
  frame_pictures = BuildEditFrame(parent, top - 3, left + gap, middleWidth);
  const InnerSpan span = InnerSpanOf(frame_pictures);
  const QPixmap arrow = LoadSkinBitmap(QStringLiteral("style/arrow.bmp"));

  combo = new QComboBox(parent);
  // The toolkit's combo box takes typed text as well as list items.
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setFrame(false);
  combo->setFont(SizedFont(parent->font(), 8));
  QPalette comboPalette = combo->palette();
  comboPalette.setColor(QPalette::Text, Qt::black);
  comboPalette.setColor(QPalette::Base, Qt::white);
  comboPalette.setColor(QPalette::Button, Qt::white);
  combo->setPalette(comboPalette);
  combo->setGeometry(span.left, top, span.width, kComboHeight);
  combo->setEditText(initialText);
  KeepNoSelectionWhenFilled(combo);

  arrow_panel = new QFrame(parent);
  arrow_panel->setFrameShape(QFrame::NoFrame);
  arrow_panel->setAutoFillBackground(true);
  QPalette panelPalette = arrow_panel->palette();
  panelPalette.setColor(QPalette::Window, Qt::white);
  arrow_panel->setPalette(panelPalette);
  arrow_panel->setGeometry(combo->x() + combo->width() - kArrowPanelSize, top + 1, kArrowPanelSize,
                           kArrowPanelSize);
  arrow_panel->raise();

  arrow_picture = NewPicture(arrow_panel, arrow);
  arrow_picture->move((kArrowPanelSize - arrow.width()) / 2, (kArrowPanelSize - arrow.height()) / 2);
  arrow_picture->setCursor(Qt::PointingHandCursor);

  QPointer<QComboBox> box = combo;
  QObject::connect(arrow_picture, &ClickableLabel::clicked, arrow_picture, [box] {
    if (!box || !box->isEnabled()) return;
    box->setFocus(Qt::MouseFocusReason);
    box->showPopup();
  });
}

}  // namespace tavro
