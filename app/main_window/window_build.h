#pragma once
// Everything one FormCreate builds. The widgets are children of the window;
// the vx_ objects hold the pointers to their parts. FormDestroy discards the
// whole set, so the next FormCreate starts from nothing.
#include <QGroupBox>
#include <QLabel>
#include <array>
#include <memory>

#include "app/settings/vx_ini.h"
#include "app/tables/placement.h"
#include "widgets/bar_gauge.h"
#include "widgets/vx_background.h"
#include "widgets/vx_combobox.h"
#include "widgets/vx_edit.h"
#include "widgets/vx_ellipse_button.h"
#include "widgets/vx_page.h"
#include "widgets/vx_richedit.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLineSeries;
QT_END_NAMESPACE

namespace tavro {

struct WindowBuild {
  std::array<QGroupBox*, 4> group_boxes{};
  QChartView* echo_chart_view = nullptr;
  QChart* echo_chart = nullptr;
  std::array<QLineSeries*, 3> echo_series{};
  std::array<QLineSeries*, 4> echo_marks{};
  std::array<QLabel*, 12> captions{};
  std::array<QLabel*, 4> pictures{};
  std::array<BarGauge*, 2> gauges{};
  std::unique_ptr<vx_ini> settings;
  std::unique_ptr<vx_page> main_page;
  std::unique_ptr<vx_background> title_bar;
  std::array<std::unique_ptr<vx_edit>, 86> param_fields;
  std::array<std::unique_ptr<vx_combobox>, 20> param_choices;
  std::array<std::unique_ptr<vx_ellipse_button>, 23> command_buttons;
  std::unique_ptr<vx_richedit> log_box;

  // The widget a control of `host` is built on.
  QWidget* HostWidget(Host host) const;
};

}  // namespace tavro
