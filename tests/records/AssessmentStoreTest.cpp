// The store against SQLite and a real PostgreSQL server: what is kept comes back whole,
// the same soldier on the same date is replaced, histories are per soldier and oldest
// first, searches, deletion.

#include "records/AssessmentStore.h"
#include "records/StoreError.h"
#include "tests/records/SampleRecords.h"
#include "tests/records/StoreBackends.h"

#include <gtest/gtest.h>

namespace {

using AssessmentStoreTest = StoreTest;

const QString kSsan = QStringLiteral("123-45-6789");

TEST_P(AssessmentStoreTest, EveryKindOfAssessmentComesBackAsItWasKept) {
  const std::vector<AssessmentRecord> kept = {
      MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 1, 15), 190, 24.37),
      MultiSiteWoman("ROE JANE", QString(), QDate(2026, 2, 1), 140, 31.005),
      OneSiteMan("POE EDGAR", "987-65-4321", QDate(2026, 3, 9), 231, 27),
      WithExemptionAndSupplemental(OneSiteMan("MOE JOE", "111-22-3333", QDate(2026, 4, 30), 201, 29), true, 255),
  };
  {
    AssessmentStore store(Location());
    for (const AssessmentRecord& record : kept) store.Record(record);
  }
  AssessmentStore store(Location());  // opened again: nothing lives only in the connection
  for (const AssessmentRecord& record : kept) {
    const std::vector<AssessmentRecord> history = store.History(SoldierKey(record));
    ASSERT_EQ(history.size(), 1u) << record.name.toStdString();
    EXPECT_EQ(history.front(), record) << record.name.toStdString();
  }
  // Bit for bit: 0.1 + 0.2 is not 0.3, and comes back as it went.
  EXPECT_EQ(store.History(SoldierKey(kept[0])).front().results.heightFactor, 0.1 + 0.2);
  EXPECT_EQ(store.History(SoldierKey(kept[1])).front().results.weightFactor, 1.0 / 3.0);
}

TEST_P(AssessmentStoreTest, TheSameSoldierOnTheSameDateIsReplaced) {
  AssessmentStore store(Location());
  const QDate date(2026, 5, 4);
  store.Record(MultiSiteMan("DOE JOHN", "123456789", date, 200, 28));
  // The same SSAN typed with its dashes, another name: the same soldier.
  const AssessmentRecord again = MultiSiteMan("DOE JOHNNY", kSsan, date, 198, 27);
  store.Record(again);
  const std::vector<AssessmentRecord> history = store.History(QStringLiteral("ssan:") + kSsan);
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history.front(), again);
  // A soldier recorded without an SSAN is known by the name, in any case.
  store.Record(MultiSiteMan("Roe Jane", QString(), date, 150, 20));
  store.Record(MultiSiteMan("ROE JANE ", QString(), date, 149, 20));
  ASSERT_EQ(store.History(QStringLiteral("name:ROE JANE")).size(), 1u);
  EXPECT_EQ(store.History(QStringLiteral("name:ROE JANE")).front().weight, 149);
}

TEST_P(AssessmentStoreTest, AHistoryIsOneSoldiersAssessmentsOldestFirst) {
  AssessmentStore store(Location());
  for (const QDate date : {QDate(2026, 3, 1), QDate(2025, 12, 31), QDate(2026, 1, 2), QDate(2026, 2, 28)})
    store.Record(MultiSiteMan("DOE JOHN", kSsan, date, 200, 28));
  store.Record(MultiSiteMan("DOE JOHN", QString(), QDate(2026, 1, 5), 200, 28));
  store.Record(MultiSiteMan("OTHER", "999-99-9999", QDate(2026, 1, 6), 200, 28));
  std::vector<QDate> dates;
  for (const AssessmentRecord& record : store.History(QStringLiteral("ssan:") + kSsan)) dates.push_back(record.date);
  EXPECT_EQ(dates, (std::vector<QDate>{QDate(2025, 12, 31), QDate(2026, 1, 2), QDate(2026, 2, 28), QDate(2026, 3, 1)}));
  EXPECT_TRUE(store.History(QStringLiteral("ssan:000-00-0000")).empty());
}

TEST_P(AssessmentStoreTest, SoldiersAreFoundBySsanOrByName) {
  AssessmentStore store(Location());
  store.Record(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 1, 1), 200, 28));
  store.Record(MultiSiteMan("DOE JOHN", "555-44-3333", QDate(2026, 1, 1), 200, 28));
  store.Record(MultiSiteMan("ROE JANE", QString(), QDate(2026, 1, 1), 150, 20));
  store.Record(MultiSiteMan("ROE JANE", QString(), QDate(2026, 2, 1), 150, 20));
  EXPECT_EQ(store.FindSoldiers(QStringLiteral("123456789")), QStringList{QStringLiteral("ssan:") + kSsan});
  EXPECT_EQ(store.FindSoldiers(QStringLiteral(" 123-45-6789 ")), QStringList{QStringLiteral("ssan:") + kSsan});
  EXPECT_EQ(store.FindSoldiers(QStringLiteral("roe jane")), QStringList{"name:ROE JANE"});
  // A name two soldiers bear names both.
  EXPECT_EQ(store.FindSoldiers(QStringLiteral("Doe John")),
            (QStringList{QStringLiteral("ssan:") + kSsan, "ssan:555-44-3333"}));
  EXPECT_TRUE(store.FindSoldiers(QStringLiteral("123-45-678")).isEmpty());
  EXPECT_TRUE(store.FindSoldiers(QStringLiteral("NOBODY")).isEmpty());
  // A name is matched whole, never as a pattern.
  EXPECT_TRUE(store.FindSoldiers(QStringLiteral("ROE%")).isEmpty());
}

TEST_P(AssessmentStoreTest, ForgettingDeletesEveryRecordOfThatSoldierAlone) {
  AssessmentStore store(Location());
  for (int month = 1; month <= 3; ++month)
    store.Record(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, month, 1), 200, 28));
  store.Record(MultiSiteMan("DOE JOHN", QString(), QDate(2026, 1, 1), 200, 28));
  EXPECT_EQ(store.Forget(QStringLiteral("ssan:") + kSsan), 3);
  EXPECT_TRUE(store.History(QStringLiteral("ssan:") + kSsan).empty());
  EXPECT_EQ(store.History(QStringLiteral("name:DOE JOHN")).size(), 1u);
  EXPECT_EQ(store.Forget(QStringLiteral("ssan:") + kSsan), 0);
}

TEST_P(AssessmentStoreTest, AnIncompleteAssessmentIsRefusedAndABatchIsAllOrNothing) {
  AssessmentStore store(Location());
  AssessmentRecord undated = MultiSiteMan("DOE JOHN", kSsan, QDate(), 200, 28);
  EXPECT_THROW(store.Record(undated), StoreError);
  AssessmentRecord nameless = MultiSiteMan("  ", "123-45-67", QDate(2026, 1, 1), 200, 28);
  EXPECT_THROW(store.Record(nameless), StoreError);
  const std::vector<AssessmentRecord> batch = {MultiSiteMan("A", QString(), QDate(2026, 1, 1), 200, 28), undated,
                                               MultiSiteMan("B", QString(), QDate(2026, 1, 1), 200, 28)};
  EXPECT_THROW(store.RecordAll(batch), StoreError);
  EXPECT_TRUE(store.FindSoldiers(QStringLiteral("A")).isEmpty());
  // The store goes on after a refusal.
  store.RecordAll(std::span(batch).first(1));
  EXPECT_EQ(store.FindSoldiers(QStringLiteral("A")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, AssessmentStoreTest, ::testing::Values(Backend::Sqlite, Backend::PostgreSql),
                         BackendName);

}  // namespace
