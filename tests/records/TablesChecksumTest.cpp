// The checksum of the standards tables a record keeps.

#include "records/TablesChecksum.h"
#include "standards/TableParsers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A copy of the shipped tables to change.
class TablesCopy {
 public:
  TablesCopy() {
    QDir(folder_.path()).mkdir(QStringLiteral("TABLES"));
    for (const char* name : TableFileNames)
      QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/TABLES/") + QLatin1String(name), File(name));
  }
  QString Base() const { return folder_.path(); }
  QString File(const char* name) const { return folder_.filePath(QStringLiteral("TABLES/") + QLatin1String(name)); }

 private:
  QTemporaryDir folder_;
};

void Rewrite(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(TablesChecksum, TheSameTablesGiveTheSameChecksumAnyChangeAnother) {
  const TablesCopy copy;
  const std::optional<QString> shipped = TablesChecksum(QStringLiteral(CORVANE_SOURCE_DIR));
  ASSERT_TRUE(shipped);
  EXPECT_EQ(shipped->size(), 64);
  EXPECT_EQ(TablesChecksum(copy.Base()), shipped);

  QByteArray screen = Read(copy.File("SCREEN.TBL"));
  screen[screen.size() / 2] = static_cast<char>(screen[screen.size() / 2] ^ 1);
  Rewrite(copy.File("SCREEN.TBL"), screen);
  EXPECT_NE(TablesChecksum(copy.Base()), shipped);
}

TEST(TablesChecksum, ABytePassedFromOneFileToTheNextIsSeen) {
  const TablesCopy copy;
  const std::optional<QString> before = TablesChecksum(copy.Base());
  QByteArray first = Read(copy.File("Table.B-1"));
  const QByteArray second = Read(copy.File("Table.B-2"));
  Rewrite(copy.File("Table.B-2"), first.right(1) + second);
  first.chop(1);
  Rewrite(copy.File("Table.B-1"), first);
  EXPECT_NE(TablesChecksum(copy.Base()), before);
}

TEST(TablesChecksum, AMissingTableGivesNone) {
  const TablesCopy copy;
  QFile::remove(copy.File("ONESITE.TBL"));
  EXPECT_FALSE(TablesChecksum(copy.Base()));
}

}  // namespace
