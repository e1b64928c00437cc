#pragma once
// A temporary executable folder with small skin bitmaps of chosen sizes, so
// a test sees exactly how the kit places what it loads.
#include <QColor>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavro::test {

class SkinFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `name` (e.g. "style/left_edit.bmp") under the temporary folder:
  // a solid block of `colour`, with its top-left pixel yellow if asked.
  void Write(const QString& name, QSize size, QColor colour = QColor(90, 110, 130),
             bool yellowCorner = false);
  void Remove(const QString& name);
  // Writes every bitmap the kit reads, at plain sizes.
  void WriteAll();

  QString dir() const { return temp_.path() + "/"; }

 private:
  QTemporaryDir temp_;
  QString previousExeDir_;
};

}  // namespace tavro::test
