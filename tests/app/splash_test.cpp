// The splash shows for 3000 ms of real time, then hands over to the main
// window.
#include <QElapsedTimer>
#include <QTest>

#include "app/shell/globals.h"
#include "app/shell/tform2.h"
#include "tests/app/app_fixture.h"

namespace tavro::test {
namespace {

TEST_F(MainWindowTest, SplashHandsOverAfterThreeSeconds) {
  engineering_mode = false;
  form = std::make_unique<TForm1>();
  form->FormCreate();
  QElapsedTimer clock;
  clock.start();
  TForm2 splash(form.get());
  EXPECT_EQ(splash.Timer1.timerType(), Qt::PreciseTimer);
  splash.show();
  EXPECT_EQ(splash.size(), QSize(405, 303));
  EXPECT_FALSE(form->isVisible());
  QTest::qWait(2800);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->isVisible(); }, 1000));
  const qint64 elapsed = clock.elapsed();
  EXPECT_GE(elapsed, 3000);
  EXPECT_LT(elapsed, 3500);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_FALSE(splash.Timer1.isActive());
}

}  // namespace
}  // namespace tavro::test
