// Test main for binaries that need a QApplication: offscreen unless told
// otherwise, so the suite runs on a machine without a display.
#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
