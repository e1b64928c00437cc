#include "widgets/vx_page.h"

#include <QPointer>
#include <memory>

#include "widgets/fonts.h"
#include "widgets/skin.h"
#include "widgets/skin_group_box.h"
#include "widgets/tag.h"
#include "widgets/three_slice.h"

namespace tavro {
namespace {

const char* const kTabCaptions[4] = {"Parameter", "Chart", "Calibration", "Setting"};
constexpr int kTabHeight = 30;
const QColor kBodyColour(248, 248, 248);

}  // namespace

// What a tab click needs. Shared with the click connections, so a click
// still works (or does nothing) whatever becomes of the vx_page object.
struct vx_page::TabState {
  std::array<QPointer<ClickableLabel>, 4> tabs;
  std::array<QPointer<QGroupBox>, 4> bodies;
  QPixmap active;
  QPixmap inactive;
  int current = 0;

  void show(int index) {
    if (index < 0 || index >= 4) return;
    current = index;
    for (int i = 0; i < 4; ++i) {
      if (tabs[i]) {
        tabs[i]->setPixmap(i == index ? active : inactive);
        tabs[i]->update();
      }
    }
    // Show the new body before hiding the old one: focus stays on the page.
    if (bodies[index]) bodies[index]->setVisible(true);
    for (int i = 0; i < 4; ++i) {
      if (i != index && bodies[i]) bodies[i]->setVisible(false);
    }
  }
};

vx_page::vx_page(QWidget* ownerWidget, int top, int left, int bodyHeight, int bodyWidth)
    : owner(ownerWidget), state_(std::make_shared<TabState>()) {
  state_->active = LoadSkinBitmap(QStringLiteral("style/page_title_1st.bmp"));
  state_->inactive = LoadSkinBitmap(QStringLiteral("style/page_title_2nd.bmp"));
  for (int i = 0; i < 4; ++i) {
    pictures[i] = NewPicture(owner, i == 0 ? state_->active : state_->inactive);
    pictures[i]->move(left + i * pictures[i]->width(), top);
    pictures[i]->setCursor(Qt::PointingHandCursor);
    state_->tabs[i] = pictures[i];
  }
  const QPixmap body = LoadSkinBitmap(QStringLiteral("style/page.bmp"));
  pictures[4] = NewStretchedPicture(owner, body, QSize(bodyWidth, bodyHeight));
  pictures[4]->move(pictures[0]->x() - 1, pictures[1]->y() + kTabHeight);
  pictures[4]->raise();

  for (int i = 0; i < 4; ++i) {
    tab_captions[i] = new ClickableLabel(owner);
    tab_captions[i]->setText(QString::fromUtf8(kTabCaptions[i]));
    tab_captions[i]->setFont(SkinFont(QStringLiteral("Calibri"), 12, true));
    QPalette palette = tab_captions[i]->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    tab_captions[i]->setPalette(palette);
    tab_captions[i]->setAlignment(Qt::AlignCenter);
    tab_captions[i]->setGeometry(pictures[i]->geometry().translated(0, 5));
    tab_captions[i]->setCursor(Qt::PointingHandCursor);
    SetTag(tab_captions[i], i);
  }

  const QRect bodyRect = pictures[4]->geometry();
  for (int i = 0; i < 4; ++i) {
    // Flat: the page picture around the body draws its frame.
    auto* box = new SkinGroupBox(owner);
    box->setObjectName(QStringLiteral("page_body_%1").arg(i));
    box->setFlat(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, kBodyColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(palette);
    box->setFont(SkinFont(QStringLiteral("Calibri"), 12, true));
    box->setGeometry(bodyRect.x() + 5, bodyRect.y() + 4, bodyRect.width() - 10,
                     bodyRect.height() - 8);
    box->setVisible(i == 0);
    bodies[i] = box;
    state_->bodies[i] = box;
  }

  std::shared_ptr<TabState> state = state_;
  for (int i = 0; i < 4; ++i) {
    for (ClickableLabel* trigger : {pictures[i], tab_captions[i]}) {
      QObject::connect(trigger, &ClickableLabel::clicked, trigger, [state, i] { state->show(i); });
    }
  }
}

void vx_page::showTab(int index) { state_->show(index); }

int vx_page::currentTab() const { return state_->current; }

}  // namespace tavro
