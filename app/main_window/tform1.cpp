#include "app/main_window/tform1.h"

#include <QChart>
#include <QPointer>
#include <stdexcept>

#include "app/access/tform3.h"
#include "app/dispatch/operations.h"
#include "app/main_window/echo_chart.h"
#include "app/main_window/key_handlers.h"
#include "app/main_window/layout_visibility.h"
#include "app/main_window/numbered_controls.h"
#include "app/main_window/parameter_page.h"
#include "app/settings/window_settings.h"
#include "app/shell/globals.h"
#include "widgets/error_guard.h"
#include "widgets/fonts.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

constexpr int kPageTop = 140;
constexpr int kPageLeft = 16;
constexpr int kPageBodyWidth = 715;
constexpr int kPageBodyHeightReserve = 200;

void RunTimer(const TimerOperation& tick, QTimer& timer) {
  RunGuarded([&] {
    if (tick) tick(timer);
  });
}

void RunStripOperation(const Operation Operations::*which) {
  RunGuarded([which] {
    const Operation& op = operations().*which;
    if (op) op();
  });
}

// Widgets created under a window that is already on screen stay hidden
// until shown; those not hidden on purpose are shown here.
void ShowNewChildren(QWidget* parent) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() || child->testAttribute(Qt::WA_WState_ExplicitShowHide)) continue;
    child->show();
  }
}

}  // namespace

TForm1::TForm1() {
  setWindowTitle(QStringLiteral("TAVRO"));
  setFixedSize(kWidth, kHeight);
  setFont(SkinFont(QStringLiteral("Tahoma"), 8));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(240, 240, 240));  // button face
  setPalette(palette);

  // Their intervals are timings of the operations: no 5 % coarse slack.
  for (QTimer* timer : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5}) {
    timer->setTimerType(Qt::PreciseTimer);
  }
  Timer1.setInterval(500);
  Timer2.setInterval(500);
  Timer3.setInterval(1000);
  Timer4.setInterval(1000);
  Timer5.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  connect(&Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
  connect(&Timer4, &QTimer::timeout, this, [this] { Timer4Timer(); });
  connect(&Timer5, &QTimer::timeout, this, [this] { Timer5Timer(); });
}

TForm1::~TForm1() {
  RunGuarded([this] { FormDestroy(); });
}

void TForm1::Timer1Timer() { RunTimer(operations().timer1_tick, Timer1); }
void TForm1::Timer2Timer() { RunTimer(operations().timer2_tick, Timer2); }
void TForm1::Timer4Timer() { RunTimer(operations().timer4_tick, Timer4); }
void TForm1::Timer5Timer() { RunTimer(operations().timer5_tick, Timer5); }

void TForm1::OpenAccessDialog() {
  if (accessDialog_ == nullptr) return;
  hide();
  accessDialog_->show();
}

void TForm1::BuildTitleStrip() {
  build_->title_bar = std::make_unique<vx_background>(this);
  vx_background& strip = *build_->title_bar;
  MainWindowHandles& window = MainWindow();
  window.id_field = strip.edit;
  window.baud_box = strip.combos[0];
  window.port_box = strip.combos[1];
  window.progress_bar = strip.progress_bar;
  window.strip_buttons = strip.button_captions;

  connect(strip.button_captions[kHartButton], &ClickableLabel::clicked, this,
          [] { RunStripOperation(&Operations::hart_link); });
  connect(strip.button_captions[kModbusButton], &ClickableLabel::clicked, this,
          [] { RunStripOperation(&Operations::modbus_link); });
  connect(strip.button_captions[kSyncButton], &ClickableLabel::clicked, this,
          [] { RunStripOperation(&Operations::sync); });
  // The picture of "Exit" as well as its caption: closing the window any
  // other way would skip what ExitProgram stops first.
  strip.replaceExitHandler([] { RunStripOperation(&Operations::exit_program); });

  strip.edit->installEventFilter(new IdFieldGestureFilter(this, [this] { OpenAccessDialog(); }));
}

void TForm1::FormCreate() {
  if (build_) throw std::logic_error("FormCreate on a window that is already built");
  build_ = std::make_unique<WindowBuild>();
  WindowBuild& build = *build_;
  const bool engineering = engineering_mode;
  MainWindowHandles& window = MainWindow();

  BuildTitleStrip();

  build.main_page = std::make_unique<vx_page>(this, kPageTop, kPageLeft,
                                              height() - kPageBodyHeightReserve, kPageBodyWidth);

  BuildPictures(build);
  BuildGauges(build);
  window.gauges = build.gauges;
  BuildGroupBoxes(build);

  BuildEchoChart(build);
  window.echo_chart = build.echo_chart;
  window.echo_series = build.echo_series;
  window.echo_marks = build.echo_marks;

  BuildCaptions(build);

  ControlHandlers handlers;
  handlers.fieldKeyFilter = new FieldKeyFilter(this);
  handlers.fieldChanged = [](int field) { RunGuarded([field] { DispatchFieldChange(field); }); };
  handlers.choicePicked = [](int choice) {
    RunGuarded([choice] { DispatchChoiceChange(choice); });
  };
  handlers.buttonClicked = [this](int button) {
    RunGuarded([this, button] { DispatchButton(button, Timers()); });
  };
  BuildFields(build, engineering, handlers);
  SetDefaultTexts(build);
  BuildChoices(build, engineering, handlers);
  BuildCommandButtons(build, handlers);
  BuildLogBox(build);

  build.settings = std::make_unique<vx_ini>(exe_dir() + QString::fromLatin1(kSettingsFileName));
  if (build.settings->FileExists()) LoadWindowSettings(*build.settings);

  SetStartValues(build);

  if (operations().reset_link_state) operations().reset_link_state();

  ApplyLayoutVisibility(build, engineering);
  if (isVisible()) ShowNewChildren(this);
}

void TForm1::FormDestroy() {
  if (!build_) return;
  // Only a build that reached its settings has every control to save.
  if (build_->settings) SaveWindowSettings(*build_->settings);
  MainWindow() = MainWindowHandles{};
  const QObjectList built = children();
  std::vector<QPointer<QObject>> doomed(built.begin(), built.end());
  for (const QPointer<QObject>& object : doomed) delete object.data();
  build_.reset();
}

}  // namespace tavro
