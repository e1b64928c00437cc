// vx_ini on its own: the file as the only state, UTF-8, the empty key, the
// order of keys, and writes that cannot reach the file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/settings/vx_ini.h"

namespace tavro::test {
namespace {

class VxIniTest : public ::testing::Test {
 protected:
  QString PathOf(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  QString FileText(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  void WriteFile(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  QTemporaryDir dir;
};


TEST_F(VxIniTest, ExtensionIsReplacedByIni) {
  EXPECT_EQ(WithIniExtension(QStringLiteral("/a/Setting.ini")), QStringLiteral("/a/Setting.ini"));
  EXPECT_EQ(WithIniExtension(QStringLiteral("/a/tavro.exe")), QStringLiteral("/a/tavro.ini"));
  EXPECT_EQ(WithIniExtension(QStringLiteral("/a.b/tavro")), QStringLiteral("/a.b/tavro.ini"));
}

TEST_F(VxIniTest, ReadsDefaultsWithoutCreatingTheFile) {
  const vx_ini ini(PathOf("Setting.ini"));
  EXPECT_FALSE(ini.FileExists());
  EXPECT_EQ(ini.Read("TAVRO", "id", "1"), QStringLiteral("1"));
  EXPECT_FALSE(QFile::exists(PathOf("Setting.ini")));
}

TEST_F(VxIniTest, WritesUtf8KeysInOrderAndRereadsTheFileEveryTime) {
  vx_ini ini(PathOf("Setting.ini"));
  ini.Write("TAVRO", "Motor Offset", "225");
  ini.Write("TAVRO", "", "7");
  ini.Write("TAVRO", "產品名稱", "液位計");
  ini.Write("INTERNET", "STATUS", "CLOSE");
  ini.Write("TAVRO", "Motor Offset", "300");  // replaces, keeps its place
  const QStringList lines = FileText(ini.FileName()).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(lines, (QStringList{"[TAVRO]", "Motor Offset=300", "\"\"=7", "產品名稱=液位計",
                                "[INTERNET]", "STATUS=CLOSE"}));
  EXPECT_EQ(ini.Read("TAVRO", "", "none"), QStringLiteral("7"));
  EXPECT_EQ(ini.Read("TAVRO", "產品名稱", ""), QStringLiteral("液位計"));

  // Someone edits the file: the next read sees it.
  WriteFile(ini.FileName(), "[INTERNET]\r\nSTATUS=OPEN\r\n");
  EXPECT_EQ(ini.Read("INTERNET", "STATUS", "CLOSE"), QStringLiteral("OPEN"));
  EXPECT_EQ(ini.Read("TAVRO", "Motor Offset", "gone"), QStringLiteral("gone"));
}

TEST_F(VxIniTest, ReadsSectionsInFileOrder) {
  WriteFile(PathOf("Setting.ini"), "[PORTS]\nCOM3=/dev/ttyUSB1\nCOM1 = /dev/ttyUSB0\n");
  const vx_ini ini(PathOf("Setting.ini"));
  const auto entries = ini.ReadSection("PORTS");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], std::make_pair(QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB1")));
  EXPECT_EQ(entries[1], std::make_pair(QStringLiteral("COM1"), QStringLiteral("/dev/ttyUSB0")));
  EXPECT_TRUE(ini.ReadSection("NONE").empty());
}

TEST_F(VxIniTest, ReadOnlyFileRefusesWritesAndKeepsItsContents) {
  const QString path = PathOf("Setting.ini");
  WriteFile(path, "[TAVRO]\nid=5\n");
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  vx_ini ini(path);
  EXPECT_THROW(ini.Write("TAVRO", "id", "6"), EIniFileError);
  EXPECT_EQ(FileText(path), QStringLiteral("[TAVRO]\nid=5\n"));
  EXPECT_EQ(ini.Read("TAVRO", "id", ""), QStringLiteral("5"));
}

TEST_F(VxIniTest, ReadOnlyFolderRefusesANewFile) {
  const QString sub = PathOf("locked");
  ASSERT_TRUE(QDir().mkpath(sub));
  ASSERT_TRUE(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  vx_ini ini(sub + QStringLiteral("/Setting.ini"));
  EXPECT_THROW(ini.Write("TAVRO", "id", "6"), EIniFileError);
  EXPECT_FALSE(ini.FileExists());
  QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(VxIniTest, WritesIntoAnExistingFileOfAReadOnlyFolder) {
  const QString sub = PathOf("locked");
  ASSERT_TRUE(QDir().mkpath(sub));
  const QString path = sub + QStringLiteral("/Setting.ini");
  WriteFile(path, "[TAVRO]\nid=5\n");
  ASSERT_TRUE(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  vx_ini ini(path);
  ini.Write("TAVRO", "id", "6");
  EXPECT_EQ(ini.Read("TAVRO", "id", ""), QStringLiteral("6"));
  QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace tavro::test
