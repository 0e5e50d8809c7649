#include "records/Schema.h"

#include "records/StoreConnection.h"
#include "records/StoreError.h"

#include <QSqlQuery>
#include <QStringList>

#include <vector>

namespace {

const QString kVersionTable = QStringLiteral("schema_version");

// A migration's statements. Every one is the same SQL on SQLite and PostgreSQL: TEXT,
// INTEGER, BIGINT and DOUBLE PRECISION columns, dates as ISO text (yyyy-MM-dd), which
// sorts by date, flags as 0 or 1.
using Migration = std::vector<const char*>;

const Migration kVersion1 = {
    "CREATE TABLE schema_version (version INTEGER NOT NULL)",
    "INSERT INTO schema_version (version) VALUES (0)",
    "CREATE TABLE assessment ("
    " soldier_key TEXT NOT NULL, assessed_on TEXT NOT NULL, name_key TEXT NOT NULL,"
    " name TEXT NOT NULL, rank TEXT NOT NULL, ssan TEXT NOT NULL, sex TEXT NOT NULL,"
    " age INTEGER NOT NULL, weight INTEGER NOT NULL, height DOUBLE PRECISION NOT NULL, method TEXT NOT NULL,"
    " page_name TEXT NOT NULL, page_ssan TEXT NOT NULL, page_rank TEXT NOT NULL, page_age TEXT NOT NULL,"
    " page_height TEXT NOT NULL, page_weight TEXT NOT NULL, page_sex TEXT NOT NULL,"
    " neck1 DOUBLE PRECISION NOT NULL, neck2 DOUBLE PRECISION NOT NULL, neck3 DOUBLE PRECISION NOT NULL,"
    " abdomen1 DOUBLE PRECISION NOT NULL, abdomen2 DOUBLE PRECISION NOT NULL, abdomen3 DOUBLE PRECISION NOT NULL,"
    " hips1 DOUBLE PRECISION NOT NULL, hips2 DOUBLE PRECISION NOT NULL, hips3 DOUBLE PRECISION NOT NULL,"
    " forearm1 DOUBLE PRECISION NOT NULL, forearm2 DOUBLE PRECISION NOT NULL, forearm3 DOUBLE PRECISION NOT NULL,"
    " wrist1 DOUBLE PRECISION NOT NULL, wrist2 DOUBLE PRECISION NOT NULL, wrist3 DOUBLE PRECISION NOT NULL,"
    " onesite_typed1 DOUBLE PRECISION, onesite_typed2 DOUBLE PRECISION, onesite_typed3 DOUBLE PRECISION,"
    " onesite_typed4 DOUBLE PRECISION,"
    " onesite_half1 INTEGER, onesite_half2 INTEGER, onesite_half3 INTEGER, onesite_half4 INTEGER,"
    " onesite_count INTEGER, onesite_set_aside INTEGER, onesite_sum INTEGER, onesite_average INTEGER,"
    " onesite_body_fat BIGINT, onesite_intercept BIGINT, onesite_per_pound BIGINT, onesite_per_inch BIGINT,"
    " avg_neck DOUBLE PRECISION NOT NULL, avg_abdomen DOUBLE PRECISION NOT NULL, avg_hips DOUBLE PRECISION NOT NULL,"
    " avg_forearm DOUBLE PRECISION NOT NULL, avg_wrist DOUBLE PRECISION NOT NULL,"
    " abdomen_neck_factor DOUBLE PRECISION NOT NULL, height_factor DOUBLE PRECISION NOT NULL,"
    " weight_factor DOUBLE PRECISION NOT NULL, hip_factor DOUBLE PRECISION NOT NULL,"
    " forearm_factor DOUBLE PRECISION NOT NULL, neck_factor DOUBLE PRECISION NOT NULL,"
    " wrist_factor DOUBLE PRECISION NOT NULL,"
    " body_fat DOUBLE PRECISION NOT NULL, max_body_fat DOUBLE PRECISION NOT NULL, max_weight INTEGER NOT NULL,"
    " over_screening INTEGER NOT NULL, within INTEGER NOT NULL,"
    " tables_checksum TEXT NOT NULL,"
    " PRIMARY KEY (soldier_key, assessed_on))",
    "CREATE INDEX assessment_by_name ON assessment (name_key)",
};

const Migration kVersion2 = {
    "ALTER TABLE assessment ADD COLUMN final_within INTEGER NOT NULL DEFAULT 0",
    "UPDATE assessment SET final_within = within",
    "ALTER TABLE assessment ADD COLUMN exempt_component TEXT",
    "ALTER TABLE assessment ADD COLUMN fitness_test_on TEXT",
    "ALTER TABLE assessment ADD COLUMN fitness_score1 INTEGER",
    "ALTER TABLE assessment ADD COLUMN fitness_score2 INTEGER",
    "ALTER TABLE assessment ADD COLUMN fitness_score3 INTEGER",
    "ALTER TABLE assessment ADD COLUMN fitness_score4 INTEGER",
    "ALTER TABLE assessment ADD COLUMN fitness_score5 INTEGER",
    "ALTER TABLE assessment ADD COLUMN exempt INTEGER",
    "ALTER TABLE assessment ADD COLUMN exempt_until TEXT",
    "ALTER TABLE assessment ADD COLUMN supplemental_method TEXT",
    "ALTER TABLE assessment ADD COLUMN supplemental_body_fat INTEGER",
    "ALTER TABLE assessment ADD COLUMN supplemental_on TEXT",
};

// The migration to each version, from version 1 on.
const std::vector<const Migration*> kMigrations = {&kVersion1, &kVersion2};
static_assert(kSchemaVersion == 2, "every version has its migration in kMigrations");

}  // namespace

int SchemaVersion(StoreConnection& connection) {
  if (!connection.Database().tables().contains(kVersionTable)) return 0;
  QSqlQuery query = connection.Prepare(QStringLiteral("SELECT version FROM schema_version"));
  connection.Run(query, QStringLiteral("reading the schema's version"));
  return query.next() ? query.value(0).toInt() : 0;
}

void MigrateSchema(StoreConnection& connection, int version) {
  WritingTransaction transaction(connection, WritingTransaction::Kind::Schema);
  const int current = SchemaVersion(connection);
  if (current > version)
    throw StoreError(QStringLiteral("%1: the records are of version %2, written by a newer program; this one "
                                    "reads up to version %3")
                         .arg(connection.Location().Description())
                         .arg(current)
                         .arg(version));
  for (int next = current + 1; next <= version; ++next) {
    const QString doing = QStringLiteral("bringing the records to version %1").arg(next);
    for (const char* statement : *kMigrations.at(static_cast<std::size_t>(next - 1)))
      connection.Run(QString::fromLatin1(statement), doing);
    QSqlQuery setVersion = connection.Prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
    setVersion.addBindValue(next);
    connection.Run(setVersion, doing);
  }
  transaction.Commit();
}
