#include "widgets/skin.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <unistd.h>

#include "skin_fixture.h"
#include "widgets/vx_edit.h"

namespace tavro {
namespace {

using test::SkinFixture;

using SkinBitmap = SkinFixture;

TEST_F(SkinBitmap, YellowPixelsBecomeSeeThrough) {
  Write("style/corner.bmp", {6, 4}, QColor(10, 20, 30), true);
  const QImage image = LoadSkinBitmap("style/corner.bmp").toImage();
  ASSERT_EQ(image.size(), QSize(6, 4));
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(image.pixel(1, 0)), 255);
  EXPECT_EQ(QColor(image.pixel(5, 3)), QColor(10, 20, 30));
}

TEST_F(SkinBitmap, NearYellowStaysOpaque) {
  Write("style/near.bmp", {2, 2}, QColor(255, 255, 1));
  EXPECT_EQ(qAlpha(LoadSkinBitmap("style/near.bmp").toImage().pixel(0, 0)), 255);
}

TEST_F(SkinBitmap, MissingFileRaisesTheFileErrorNamingIt) {
  try {
    LoadSkinBitmap("style/nothing.bmp");
    FAIL() << "no error";
  } catch (const EFOpenError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("Cannot open file \"" + dir().toStdString() + "style/nothing.bmp\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("cannot find the file"), std::string::npos) << text;
  }
}

TEST_F(SkinBitmap, UnreadableFileRaisesTheFileError) {
  QFile file(dir() + "style/broken.bmp");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("BM this is no bitmap");
  file.close();
  EXPECT_THROW(LoadSkinBitmap("style/broken.bmp"), EFOpenError);
}

TEST_F(SkinBitmap, BackslashNamesAreFoundToo) {
  Write("style/arrow.bmp", {3, 3});
  EXPECT_EQ(LoadSkinBitmap("style\\arrow.bmp").size(), QSize(3, 3));
}

// A decoded bitmap is reused, but never after its file changed or vanished.
TEST_F(SkinBitmap, ChangedOrRemovedFilesAreReadAgain) {
  Write("style/a.bmp", {3, 3});
  EXPECT_EQ(LoadSkinBitmap("style/a.bmp").size(), QSize(3, 3));
  Write("style/a.bmp", {5, 5});
  EXPECT_EQ(LoadSkinBitmap("style/a.bmp").size(), QSize(5, 5));
  Remove("style/a.bmp");
  EXPECT_THROW(LoadSkinBitmap("style/a.bmp"), EFOpenError);
}

TEST_F(SkinBitmap, FoundFromAnotherCurrentFolder) {
  WriteAll();
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QDir::rootPath()));
  QWidget parent;
  EXPECT_NO_THROW(vx_edit(&parent, 10, 10, 60, 100, "Distance", "1", "mm"));
  QDir::setCurrent(previous);
}

TEST(ExeDir, IsTheExecutablesFolderWithASlash) {
  const QString dir = ExeDir();
  ASSERT_TRUE(dir.endsWith('/'));
  EXPECT_TRUE(QFile::exists(dir + "tavro_widgets_test"));
}

}  // namespace
}  // namespace tavro
