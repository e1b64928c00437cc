#include "app/main_window/layout_visibility.h"

namespace tavro {

void ApplyLayoutVisibility(const WindowBuild& build, bool engineering) {
  build.group_boxes[0]->setVisible(true);
  build.group_boxes[1]->setVisible(engineering);
  build.group_boxes[2]->setVisible(engineering);
  build.group_boxes[3]->setVisible(!engineering);
  for (int k = 0; k < 3; ++k) build.pictures[static_cast<size_t>(k)]->setVisible(engineering);
  build.pictures[3]->setVisible(true);
  for (BarGauge* gauge : build.gauges) gauge->setVisible(engineering);
  for (int k = 1; k <= 3; ++k) build.captions[static_cast<size_t>(k)]->setVisible(engineering);
  for (int tab = 2; tab <= 3; ++tab) {
    build.main_page->pictures[static_cast<size_t>(tab)]->setVisible(engineering);
    build.main_page->tab_captions[static_cast<size_t>(tab)]->setVisible(engineering);
  }
}

}  // namespace tavro
