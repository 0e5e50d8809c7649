#include "records/AssessmentStore.h"

#include "records/RecordColumns.h"
#include "records/Schema.h"
#include "records/StoreConnection.h"
#include "records/StoreError.h"

#include <QSqlQuery>

#include <algorithm>

namespace {

QString ColumnList() {
  QStringList names;
  for (const RecordColumn& column : RecordColumns()) names << QLatin1String(column.name);
  return names.join(QStringLiteral(", "));
}

// One statement for a new record and for one that replaces the soldier's record of that
// date; SQLite (3.24 on) and PostgreSQL (9.5 on) read it alike.
QString UpsertStatement() {
  QStringList placeholders;
  QStringList updates;
  for (const RecordColumn& column : RecordColumns()) {
    placeholders << QStringLiteral("?");
    const QString name = QLatin1String(column.name);
    if (name != QStringLiteral("soldier_key") && name != QStringLiteral("assessed_on"))
      updates << name + QStringLiteral(" = excluded.") + name;
  }
  return QStringLiteral("INSERT INTO assessment (%1) VALUES (%2) ON CONFLICT (soldier_key, assessed_on) DO UPDATE SET %3")
      .arg(ColumnList(), placeholders.join(QStringLiteral(", ")), updates.join(QStringLiteral(", ")));
}

void RefuseIncomplete(const AssessmentRecord& record, const QString& store) {
  if (!record.date.isValid())
    throw StoreError(QStringLiteral("%1: an assessment is kept with its date").arg(store));
  if (NameKey(record.name).isEmpty() && NormalizedSsan(record.ssan).isEmpty())
    throw StoreError(QStringLiteral("%1: an assessment is kept with a name or an SSAN").arg(store));
}

}  // namespace

AssessmentStore::AssessmentStore(const StoreLocation& location)
    : connection_(std::make_unique<StoreConnection>(location)) {
  MigrateSchema(*connection_);
}

AssessmentStore::~AssessmentStore() {
  upsert_.reset();  // before its connection
}

QString AssessmentStore::Description() const { return connection_->Location().Description(); }

void AssessmentStore::Write(const AssessmentRecord& record) {
  RefuseIncomplete(record, Description());
  if (!upsert_) upsert_ = connection_->Prepare(UpsertStatement());
  const std::vector<RecordColumn>& columns = RecordColumns();
  for (std::size_t i = 0; i < columns.size(); ++i) upsert_->bindValue(static_cast<int>(i), columns[i].value(record));
  connection_->Run(*upsert_, QStringLiteral("recording an assessment"));
}

void AssessmentStore::Record(const AssessmentRecord& record) {
  WritingTransaction transaction(*connection_, WritingTransaction::Kind::Records);
  Write(record);
  transaction.Commit();
}

void AssessmentStore::RecordAll(std::span<const AssessmentRecord> records) {
  WritingTransaction transaction(*connection_, WritingTransaction::Kind::Records);
  for (const AssessmentRecord& record : records) Write(record);
  transaction.Commit();
}

QStringList AssessmentStore::FindSoldiers(const QString& ssanOrName) {
  const QString ssan = NormalizedSsan(ssanOrName);
  QSqlQuery query = connection_->Prepare(
      ssan.isEmpty() ? QStringLiteral("SELECT DISTINCT soldier_key FROM assessment WHERE name_key = ? ORDER BY soldier_key")
                     : QStringLiteral("SELECT DISTINCT soldier_key FROM assessment WHERE soldier_key = ?"));
  query.addBindValue(ssan.isEmpty() ? NameKey(ssanOrName) : QStringLiteral("ssan:") + ssan);
  connection_->Run(query, QStringLiteral("finding a soldier"));
  QStringList keys;
  while (query.next()) keys << query.value(0).toString();
  return keys;
}

std::vector<RecordedSoldier> AssessmentStore::SearchSoldiers(const QString& ssanOrName, int limit) {
  const QString ssan = NormalizedSsan(ssanOrName);
  // Each soldier's latest record names them; the name searched is anywhere in it, the
  // pattern's own characters escaped with '!'.
  const QString latest = QStringLiteral(
      "SELECT soldier_key, name, rank, ssan FROM assessment AS a WHERE %1 AND assessed_on = "
      "(SELECT MAX(assessed_on) FROM assessment AS b WHERE b.soldier_key = a.soldier_key) "
      "ORDER BY name_key, soldier_key LIMIT %2");
  QSqlQuery query = connection_->Prepare(
      latest.arg(ssan.isEmpty() ? QStringLiteral("name_key LIKE ? ESCAPE '!'") : QStringLiteral("soldier_key = ?"))
          .arg(std::max(limit, 0)));
  if (ssan.isEmpty()) {
    QString pattern = NameKey(ssanOrName);
    for (const QChar special : {u'!', u'%', u'_'}) pattern.replace(special, QStringLiteral("!") + special);
    query.addBindValue(u'%' + pattern + u'%');
  } else {
    query.addBindValue(QStringLiteral("ssan:") + ssan);
  }
  connection_->Run(query, QStringLiteral("finding a soldier"));
  std::vector<RecordedSoldier> soldiers;
  while (query.next())
    soldiers.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                        query.value(3).toString()});
  return soldiers;
}

std::vector<AssessmentRecord> AssessmentStore::History(const QString& soldierKey) {
  QSqlQuery query = connection_->Prepare(
      QStringLiteral("SELECT %1 FROM assessment WHERE soldier_key = ? ORDER BY assessed_on").arg(ColumnList()));
  query.addBindValue(soldierKey);
  connection_->Run(query, QStringLiteral("reading a history"));
  const std::vector<RecordColumn>& columns = RecordColumns();
  std::vector<AssessmentRecord> history;
  while (query.next()) {
    AssessmentRecord& record = history.emplace_back();
    for (std::size_t i = 0; i < columns.size(); ++i) columns[i].take(record, query.value(static_cast<int>(i)));
    CompleteFromColumns(record);
  }
  return history;
}

int AssessmentStore::Forget(const QString& soldierKey) {
  WritingTransaction transaction(*connection_, WritingTransaction::Kind::Records);
  QSqlQuery query = connection_->Prepare(QStringLiteral("DELETE FROM assessment WHERE soldier_key = ?"));
  query.addBindValue(soldierKey);
  connection_->Run(query, QStringLiteral("deleting a soldier's records"));
  const int deleted = query.numRowsAffected();
  transaction.Commit();
  connection_->PurgeDeleted();
  return deleted;
}
