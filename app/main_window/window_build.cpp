#include "app/main_window/window_build.h"

#include <QChartView>
#include <stdexcept>

namespace tavro {

QWidget* WindowBuild::HostWidget(Host host) const {
  QWidget* widget = nullptr;
  switch (host) {
    case Host::kBody0: widget = main_page->bodies[0]; break;
    case Host::kBody1: widget = main_page->bodies[1]; break;
    case Host::kBody2: widget = main_page->bodies[2]; break;
    case Host::kBody3: widget = main_page->bodies[3]; break;
    case Host::kGroupBox0: widget = group_boxes[0]; break;
    case Host::kGroupBox1: widget = group_boxes[1]; break;
    case Host::kGroupBox2: widget = group_boxes[2]; break;
    case Host::kGroupBox3: widget = group_boxes[3]; break;
    case Host::kEchoChart: widget = echo_chart_view; break;
  }
  if (widget == nullptr) throw std::logic_error("a control's parent is built after it");
  return widget;
}

}  // namespace tavro
