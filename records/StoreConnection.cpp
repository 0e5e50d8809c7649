#include "records/StoreConnection.h"

#include "records/SqliteFile.h"
#include "records/StoreError.h"

#include <QSqlError>
#include <QUuid>

namespace {

const QString kSqliteDriver = QStringLiteral("QSQLITE");
const QString kPostgreSqlDriver = QStringLiteral("QPSQL");

// How long a write waits for another instance's write to end before it fails.
constexpr int kBusyTimeoutMs = 30000;
constexpr int kConnectTimeoutSeconds = 10;
// Taken by a schema change on PostgreSQL, so two instances never migrate at once.
constexpr qint64 kSchemaLock = 0x436f7276616e6532;  // "Corvane2"

// The first line of a database's message: the reason, without the details some servers
// add below it (PostgreSQL's DETAIL names the values of a key, which may be an SSAN).
QString Reason(const QSqlError& error) {
  QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
  text = text.section(u'\n', 0, 0).trimmed();
  return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

QString DriverFor(const StoreLocation& location) {
  return location.kind == StoreLocation::Kind::SqliteFile ? kSqliteDriver : kPostgreSqlDriver;
}

QString DriverPackage(const QString& driver) {
  return driver == kSqliteDriver ? QStringLiteral("libqt6sql6-sqlite") : QStringLiteral("libqt6sql6-psql");
}

}  // namespace

StoreConnection::StoreConnection(const StoreLocation& location)
    : location_(location),
      connectionName_(QStringLiteral("corvane_records_") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
  const QString driver = DriverFor(location);
  if (!QSqlDatabase::isDriverAvailable(driver))
    Fail(QStringLiteral("opening"), QStringLiteral("Qt's %1 driver is not installed (Debian package %2)")
                                         .arg(driver, DriverPackage(driver)));
  if (IsSqlite()) PrepareSqliteFile(location.path);
  database_ = QSqlDatabase::addDatabase(driver, connectionName_);
  if (IsSqlite()) {
    database_.setDatabaseName(location.path);
    database_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  } else {
    database_.setHostName(location.host);
    database_.setPort(location.port);
    database_.setDatabaseName(location.database);
    database_.setUserName(location.user);
    database_.setConnectOptions(
        QStringLiteral("connect_timeout=%1;application_name=corvane32").arg(kConnectTimeoutSeconds));
  }
  if (!database_.open()) Fail(QStringLiteral("opening"), Reason(database_.lastError()));
  if (IsSqlite()) {
    // Readers never wait for a writer and a writer waits for another under the busy
    // timeout; a deleted record is overwritten in the file, not merely unlinked.
    Run(QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("opening"));
    Run(QStringLiteral("PRAGMA secure_delete=ON"), QStringLiteral("opening"));
  }
}

StoreConnection::~StoreConnection() {
  database_.close();
  database_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connectionName_);
}

void StoreConnection::Fail(const QString& doing, const QString& reason) const {
  throw StoreError(QStringLiteral("%1: %2: %3").arg(location_.Description(), doing, reason));
}

QSqlQuery StoreConnection::Prepare(const QString& sql) {
  QSqlQuery query(database_);
  query.setForwardOnly(true);
  if (!query.prepare(sql)) Fail(QStringLiteral("preparing a statement"), Reason(query.lastError()));
  return query;
}

void StoreConnection::Run(QSqlQuery& query, const QString& doing) {
  if (!query.exec()) Fail(doing, Reason(query.lastError()));
}

void StoreConnection::Run(const QString& sql, const QString& doing) {
  QSqlQuery query(database_);
  if (!query.exec(sql)) Fail(doing, Reason(query.lastError()));
}

void StoreConnection::BeginWriting() {
  Run(IsSqlite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"), QStringLiteral("beginning to write"));
}

void StoreConnection::BeginSchemaChange() {
  BeginWriting();
  if (!IsSqlite())
    Run(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSchemaLock), QStringLiteral("locking the schema"));
}

void StoreConnection::Commit() { Run(QStringLiteral("COMMIT"), QStringLiteral("committing")); }

void StoreConnection::Rollback() { Run(QStringLiteral("ROLLBACK"), QStringLiteral("rolling back")); }

void StoreConnection::PurgeDeleted() {
  if (IsSqlite()) Run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), QStringLiteral("purging deleted records"));
}

WritingTransaction::WritingTransaction(StoreConnection& connection, Kind kind) : connection_(connection) {
  if (kind == Kind::Schema)
    connection.BeginSchemaChange();
  else
    connection.BeginWriting();
}

WritingTransaction::~WritingTransaction() {
  if (!open_) return;
  try {
    connection_.Rollback();
  } catch (const StoreError&) {
    // The connection is lost with the transaction; the database rolls it back itself.
  }
}

void WritingTransaction::Commit() {
  open_ = false;
  connection_.Commit();
}
