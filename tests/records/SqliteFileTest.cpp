// The SQLite file: owner-only whatever the umask, what is not a records file refused and
// left as it is, and a forgotten soldier gone from the file's bytes.

#include "records/AssessmentStore.h"
#include "records/StoreError.h"
#include "tests/records/SampleRecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

mode_t Mode(const QString& path) {
  struct stat status {};
  EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
  return status.st_mode & 07777;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SqliteFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    umask_ = ::umask(022);
  }
  void TearDown() override { ::umask(umask_); }

  StoreLocation At(const QString& name) const { return {.path = folder_.filePath(name)}; }
  QString RefusalAt(const QString& name) const {
    try {
      AssessmentStore store(At(name));
    } catch (const StoreError& error) {
      return error.Message();
    }
    ADD_FAILURE() << name.toStdString() << " was opened as a store";
    return {};
  }

  QTemporaryDir folder_;
  mode_t umask_ = 0;
};

TEST_F(SqliteFileTest, TheFileItsLogAndTheFoldersMadeAreTheOwnersAlone) {
  const StoreLocation location = At(QStringLiteral("data/corvane32/assessments.sqlite"));
  AssessmentStore store(location);
  store.Record(MultiSiteMan("DOE JOHN", "123-45-6789", QDate(2026, 1, 1), 200, 28));
  EXPECT_EQ(Mode(location.path), 0600u);
  EXPECT_EQ(Mode(location.path + QStringLiteral("-wal")), 0600u);
  EXPECT_EQ(Mode(location.path + QStringLiteral("-shm")), 0600u);
  EXPECT_EQ(Mode(folder_.filePath(QStringLiteral("data/corvane32"))), 0700u);
  EXPECT_EQ(Mode(folder_.filePath(QStringLiteral("data"))), 0700u);
}

TEST_F(SqliteFileTest, AnExistingFileKeepsItsMode) {
  const StoreLocation location = At(QStringLiteral("shared.sqlite"));
  QFile file(location.path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  ASSERT_EQ(::chmod(QFile::encodeName(location.path).constData(), 0640), 0);
  AssessmentStore store(location);
  store.Record(MultiSiteMan("DOE JOHN", QString(), QDate(2026, 1, 1), 200, 28));
  EXPECT_EQ(Mode(location.path), 0640u);
  EXPECT_EQ(Mode(location.path + QStringLiteral("-wal")), 0640u);
}

TEST_F(SqliteFileTest, WhatIsNoRecordsFileIsRefusedAndLeftAsItIs) {
  const QByteArray roster = "name,rank,ssan\nDOE JOHN,SGT,123-45-6789\n";
  QFile text(folder_.filePath(QStringLiteral("roster.csv")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write(roster);
  text.close();
  const QString refusal = RefusalAt(QStringLiteral("roster.csv"));
  EXPECT_TRUE(refusal.contains(QStringLiteral("roster.csv"))) << refusal.toStdString();
  EXPECT_EQ(Bytes(text.fileName()), roster);

  ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("folder")));
  EXPECT_TRUE(RefusalAt(QStringLiteral("folder")).contains(QStringLiteral("not a file")));
  // A pipe is refused before anything reads from it, which would wait for ever.
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder_.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
  EXPECT_TRUE(RefusalAt(QStringLiteral("pipe")).contains(QStringLiteral("not a file")));
}

TEST_F(SqliteFileTest, AForgottenSoldierIsGoneFromTheFilesBytes) {
  const StoreLocation location = At(QStringLiteral("assessments.sqlite"));
  AssessmentStore store(location);
  for (int month = 1; month <= 6; ++month) {
    store.Record(MultiSiteMan("QUIXOTE ALONSO", "314-15-9265", QDate(2026, month, 1), 200, 28));
    store.Record(MultiSiteMan("PANZA SANCHO", "271-82-8182", QDate(2026, month, 1), 180, 22));
  }
  const auto holds = [&](const QByteArray& text) {
    return Bytes(location.path).contains(text) || Bytes(location.path + QStringLiteral("-wal")).contains(text);
  };
  ASSERT_TRUE(holds("QUIXOTE ALONSO"));
  EXPECT_EQ(store.Forget(QStringLiteral("ssan:314-15-9265")), 6);
  EXPECT_FALSE(holds("QUIXOTE"));
  EXPECT_FALSE(holds("314-15-9265"));
  EXPECT_TRUE(holds("PANZA SANCHO"));
}

}  // namespace
