// Two program instances recording into one store at once lose nothing: each waits for the
// other's write under the busy timeout (SQLite) or the server's locks (PostgreSQL).

#include "records/AssessmentStore.h"
#include "tests/records/StoreBackends.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <array>

namespace {

using ConcurrencyTest = StoreTest;

constexpr int kEach = 500;

// Starts two writers at once and waits for both.
void RunTwoWriters(const QString& database, const QStringList& extra) {
  std::array<QProcess, 2> writers;
  for (int i = 0; i < 2; ++i) {
    writers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writers[i].start(QStringLiteral(RECORDS_WRITER_PATH),
                     QStringList{database, QString::number(i + 1), QString::number(kEach)} + extra);
  }
  for (QProcess& writer : writers) {
    ASSERT_TRUE(writer.waitForFinished(300000));
    EXPECT_EQ(writer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(writer.exitCode(), 0);
  }
}

TEST_P(ConcurrencyTest, TwoProcessesWritingFiveHundredEachIntoANewStoreLoseNothing) {
  // The store does not exist yet: both make it at once.
  RunTwoWriters(DatabaseArgument(), {});
  AssessmentStore store(Location());
  for (int writer = 1; writer <= 2; ++writer) {
    for (int i = 0; i < kEach; ++i) {
      const QString ssan = QStringLiteral("%1").arg(writer * 100000 + i, 9, 10, QLatin1Char('0'));
      const std::vector<AssessmentRecord> history = store.History(QStringLiteral("ssan:") + NormalizedSsan(ssan));
      ASSERT_EQ(history.size(), 1u) << "writer " << writer << ", soldier " << i;
      EXPECT_EQ(history.front().weight, 150 + writer);
    }
  }
}

TEST_P(ConcurrencyTest, TwoProcessesReplacingTheSameRecordsLeaveOneOfEach) {
  RunTwoWriters(DatabaseArgument(), {"shared"});
  AssessmentStore store(Location());
  for (int i = 0; i < kEach; ++i) {
    const QString ssan = NormalizedSsan(QStringLiteral("%1").arg(i, 9, 10, QLatin1Char('0')));
    const std::vector<AssessmentRecord> history = store.History(QStringLiteral("ssan:") + ssan);
    ASSERT_EQ(history.size(), 1u) << "soldier " << i;
    EXPECT_TRUE(history.front().weight == 151 || history.front().weight == 152);
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, ConcurrencyTest, ::testing::Values(Backend::Sqlite, Backend::PostgreSql), BackendName);

}  // namespace
