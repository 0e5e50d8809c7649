// A store written by the first version of the records is brought to the current one with
// its records; one written by a newer program is refused and left as it is.

#include "records/AssessmentStore.h"
#include "records/RecordColumns.h"
#include "records/Schema.h"
#include "records/StoreConnection.h"
#include "records/StoreError.h"
#include "tests/records/SampleRecords.h"
#include "tests/records/StoreBackends.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace {

using MigrationTest = StoreTest;

// Writes the record as the first version did: into the columns its table has.
void WriteAsVersionOne(StoreConnection& connection, const AssessmentRecord& record) {
  const QSqlRecord table = connection.Database().record(QStringLiteral("assessment"));
  QStringList names;
  QVariantList values;
  for (const RecordColumn& column : RecordColumns()) {
    if (!table.contains(QLatin1String(column.name))) continue;
    names << QLatin1String(column.name);
    values << column.value(record);
  }
  QSqlQuery insert = connection.Prepare(QStringLiteral("INSERT INTO assessment (%1) VALUES (%2)")
                                            .arg(names.join(u','), QStringList(names.size(), "?").join(u',')));
  for (const QVariant& value : values) insert.addBindValue(value);
  connection.Run(insert, "writing a version-1 record");
}

TEST_P(MigrationTest, AVersionOneStoreIsBroughtToTheCurrentVersionWithItsRecords) {
  const AssessmentRecord notWithin = MultiSiteMan("DOE JOHN", "123-45-6789", QDate(2025, 11, 3), 210, 28.25);
  const AssessmentRecord within = OneSiteMan("ROE JANE", QString(), QDate(2025, 11, 4), 150, 22);
  {
    StoreConnection connection(Location());
    MigrateSchema(connection, 1);
    ASSERT_EQ(SchemaVersion(connection), 1);
    ASSERT_FALSE(connection.Database().record(QStringLiteral("assessment")).contains(QStringLiteral("final_within")));
    ASSERT_FALSE(connection.Database().record(QStringLiteral("assessment")).contains(QStringLiteral("exempt")));
    WriteAsVersionOne(connection, notWithin);
    WriteAsVersionOne(connection, within);
  }
  AssessmentStore store(Location());
  // The version-1 verdict was the tape's, and is the final one of the old records.
  EXPECT_EQ(store.History(SoldierKey(notWithin)), std::vector<AssessmentRecord>{notWithin});
  EXPECT_EQ(store.History(SoldierKey(within)), std::vector<AssessmentRecord>{within});
  EXPECT_TRUE(store.History(SoldierKey(within)).front().results.within);
  // The new columns take new records.
  const AssessmentRecord supplemented =
      WithExemptionAndSupplemental(MultiSiteMan("DOE JOHN", "123-45-6789", QDate(2025, 12, 3), 208, 27.5), false, 258);
  store.Record(supplemented);
  EXPECT_EQ(store.History(SoldierKey(notWithin)), (std::vector<AssessmentRecord>{notWithin, supplemented}));
  StoreConnection connection(Location());
  EXPECT_EQ(SchemaVersion(connection), kSchemaVersion);
}

TEST_P(MigrationTest, AStoreOfANewerVersionIsRefusedAndLeftAsItIs) {
  {
    AssessmentStore store(Location());
    store.Record(MultiSiteMan("DOE JOHN", QString(), QDate(2026, 1, 1), 200, 20));
  }
  {
    StoreConnection connection(Location());
    connection.Run(QStringLiteral("UPDATE schema_version SET version = %1").arg(kSchemaVersion + 1), QString());
  }
  try {
    AssessmentStore store(Location());
    ADD_FAILURE() << "a store of a newer version was opened";
  } catch (const StoreError& error) {
    EXPECT_TRUE(error.Message().contains(QStringLiteral("newer program"))) << error.what();
  }
  StoreConnection connection(Location());
  EXPECT_EQ(SchemaVersion(connection), kSchemaVersion + 1);
}

TEST_P(MigrationTest, ANewStoreIsMadeAtTheCurrentVersion) {
  { AssessmentStore store(Location()); }
  StoreConnection connection(Location());
  EXPECT_EQ(SchemaVersion(connection), kSchemaVersion);
  // Opening it again changes nothing.
  { AssessmentStore store(Location()); }
  EXPECT_EQ(SchemaVersion(connection), kSchemaVersion);
}

INSTANTIATE_TEST_SUITE_P(Stores, MigrationTest, ::testing::Values(Backend::Sqlite, Backend::PostgreSql), BackendName);

}  // namespace
