#pragma once
// Four-tab page: tab pictures with captions, one body picture, four
// captionless group boxes as page bodies. Clicking tab i shows body i.
#include <QGroupBox>
#include <QWidget>
#include <array>
#include <memory>

#include "widgets/clickable_label.h"

namespace tavro {

class vx_page {
 public:
  vx_page(QWidget* owner, int top, int left, int bodyHeight, int bodyWidth);

  QWidget* owner = nullptr;
  std::array<ClickableLabel*, 5> pictures{};  // four tabs, then the body
  std::array<ClickableLabel*, 4> tab_captions{};
  std::array<QGroupBox*, 4> bodies{};

  void showTab(int index);
  int currentTab() const;

 private:
  struct TabState;
  std::shared_ptr<TabState> state_;
};

}  // namespace tavro
