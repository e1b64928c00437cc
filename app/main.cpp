// Start-up: the main window is built hidden, the splash shows for 3000 ms
// and then hands over to it; the access dialog waits hidden for its gesture.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/access/tform3.h"
#include "app/main_window/tform1.h"
#include "app/settings/window_settings.h"
#include "app/shell/command_line.h"
#include "app/shell/desktop.h"
#include "app/shell/globals.h"
#include "app/shell/quit_signals.h"
#include "app/shell/simulated_bench_seam.h"
#include "app/shell/startup.h"
#include "app/shell/tform2.h"
#include "link/message_box.h"
#include "link/port_names.h"
#include "widgets/error_guard.h"

namespace {

int Run(QApplication& app, const tavro::CommandLine& options) {
  using namespace tavro;
  QString error;
  InstallApplicationHooks();

  // Ports: the settings file names hardware, the simulated bench takes
  // COM1-COM3, the command line has the last word.
  LoadPortNames(vx_ini(exe_dir() + QString::fromLatin1(kSettingsFileName)));
  std::unique_ptr<RunningBench> bench;
  if (options.simulatedBench) {
    bench = StartSimulatedBench(&error);
    if (!bench) std::fprintf(stderr, "tavro: no simulated bench: %s\n", qPrintable(error));
  }
  for (const auto& [name, path] : options.ports) RegisterPortName(name, path);

  auto form1 = std::make_unique<TForm1>();
  CenterOnDesktop(form1.get());
  RunGuarded([&] { form1->FormCreate(); });

  std::unique_ptr<TForm2> form2;
  RunGuarded([&] { form2 = std::make_unique<TForm2>(form1.get()); });
  if (form2) {
    form2->setAttribute(Qt::WA_QuitOnClose, false);
    form2->show();
  } else {
    form1->show();  // no splash picture: straight to the window
  }

  std::unique_ptr<TForm3> form3;
  RunGuarded([&] { form3 = std::make_unique<TForm3>(*form1); });
  if (form3) {
    form3->setAttribute(Qt::WA_QuitOnClose, false);
    form1->SetAccessDialog(form3.get());
  }
  CloseOnQuitSignals([window = form1.get()] { RunGuarded([window] { window->close(); }); });

  const int status = app.exec();
  form3.reset();
  form2.reset();
  form1.reset();  // FormDestroy saves the settings
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // --help needs no display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(qPrintable(tavro::CommandLineHelp()), stdout);
      return 0;
    }
  }
  QApplication app(argc, argv);  // takes Qt's own options (-platform ...) out
  QApplication::setApplicationName(QStringLiteral("TAVRO"));
  QString error;
  const std::optional<tavro::CommandLine> options =
      tavro::ParseCommandLine(QApplication::arguments(), &error);
  if (!options) {
    std::fprintf(stderr, "tavro: %s\n%s", qPrintable(error), qPrintable(tavro::CommandLineHelp()));
    return 2;
  }
  int status = 1;
  // Nothing may escape to Qt or past main: an error is shown as the
  // standard error box.
  tavro::RunGuarded([&] { status = Run(app, *options); });
  return status;
}
