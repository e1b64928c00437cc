#include "widgets/main_window_handles.h"

#include <QWidget>

#include "skin_fixture.h"

namespace tavro {
namespace {

TEST(MainWindowHandles, LogAndProgressDoNothingWithoutAWindow) {
  MainWindow() = MainWindowHandles{};
  LogLine("nobody hears this");
  StepProgressBar();
  EXPECT_EQ(MainWindow().log_box, nullptr);
}

using MainWindowHandlesWithWindow = test::SkinFixture;

TEST_F(MainWindowHandlesWithWindow, LogAppendsAndProgressWrapsAtItsMaximum) {
  WriteAll();
  QWidget window;
  vx_richedit log(&window, 0, 0, 100, 300);
  QProgressBar bar(&window);
  bar.setRange(0, 10);
  bar.setValue(0);
  MainWindow().log_box = &log;
  MainWindow().progress_bar = &bar;

  LogLine("first");
  LogLine("second");
  EXPECT_EQ(log.lines(), QStringList({"first", "second"}));
  std::vector<int> seen;
  for (int i = 0; i < 12; ++i) {
    StepProgressBar();
    seen.push_back(bar.value());
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1}));
  MainWindow() = MainWindowHandles{};
}

}  // namespace
}  // namespace tavro
