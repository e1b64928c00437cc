#include "skin_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include "widgets/skin.h"

namespace tavro::test {

void SkinFixture::SetUp() {
  ASSERT_TRUE(temp_.isValid());
  ASSERT_TRUE(QDir(temp_.path()).mkpath("style"));
  previousExeDir_ = ExeDir();
  SetExeDir(temp_.path());
}

void SkinFixture::TearDown() { SetExeDir(previousExeDir_); }

void SkinFixture::Write(const QString& name, QSize size, QColor colour, bool yellowCorner) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  if (yellowCorner) image.setPixel(0, 0, qRgb(255, 255, 0));
  ASSERT_TRUE(image.save(dir() + name, "BMP")) << name.toStdString();
}

void SkinFixture::Remove(const QString& name) { QFile::remove(dir() + name); }

void SkinFixture::WriteAll() {
  for (const char* n : {"left_edit", "right_edit"}) Write(QString("style/%1.bmp").arg(n), {10, 22});
  Write("style/center_edit.bmp", {4, 22});
  Write("style/arrow.bmp", {15, 15});
  for (const char* s : {"style1", "style3"}) {
    Write(QString("style/left_button_%1.bmp").arg(s), {12, 28});
    Write(QString("style/right_button_%1.bmp").arg(s), {12, 28});
    Write(QString("style/center_button_%1.bmp").arg(s), {4, 28});
  }
  Write("style/page_title_1st.bmp", {100, 30}, QColor(40, 90, 150));
  Write("style/page_title_2nd.bmp", {100, 30}, QColor(120, 130, 140));
  Write("style/page.bmp", {200, 200});
  for (const char* n : {"left_up", "left_down", "right_up", "right_down"}) {
    Write(QString("style/%1_richedit.bmp").arg(n), {12, 12});
  }
  Write("style/left_center_richedit.bmp", {12, 4});
  Write("style/right_center_richedit.bmp", {12, 4});
  Write("style/up_richedit.bmp", {4, 12});
  Write("style/down_richedit.bmp", {4, 12});
  Write("style/center_richedit.bmp", {4, 4}, Qt::white);
  Write("style/left_up_2.bmp", {40, 90}, QColor(40, 50, 60), true);
  Write("style/center_up_2.bmp", {8, 90});
  Write("style/right_up_2.bmp", {40, 90});
  Write("style/left_center.bmp", {8, 8});
  Write("style/center.bmp", {8, 8}, QColor(220, 225, 230));
  Write("style/right_center.bmp", {8, 8});
  Write("style/left_down.bmp", {40, 36});
  Write("style/center_down.bmp", {8, 36});
  Write("style/right_down.bmp", {40, 36});
  Write("style/logo.bmp", {201, 50});
  Write("style/title_edit.bmp", {86, 32}, Qt::white);
  Write("style/button.bmp", {80, 32}, QColor(230, 230, 230));
}

}  // namespace tavro::test
