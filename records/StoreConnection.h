#pragma once
// One connection to the records' database, SQLite or PostgreSQL, through Qt SQL. Every
// statement is the same for both; only the connection, and how a transaction that writes
// takes its lock, differ.

#include "records/StoreLocation.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class StoreConnection {
 public:
  // Connects (an SQLite file is made first, owner-only, and set to write-ahead logging
  // with a busy timeout). Throws StoreError.
  explicit StoreConnection(const StoreLocation& location);
  ~StoreConnection();
  StoreConnection(const StoreConnection&) = delete;
  StoreConnection& operator=(const StoreConnection&) = delete;

  const StoreLocation& Location() const { return location_; }
  bool IsSqlite() const { return location_.kind == StoreLocation::Kind::SqliteFile; }
  QSqlDatabase& Database() { return database_; }

  // A statement ready for its values. Throws StoreError.
  QSqlQuery Prepare(const QString& sql);
  // Runs a prepared statement, or a statement without values. `doing` says what it is
  // for in a message ("recording the assessment"). Throws StoreError.
  void Run(QSqlQuery& query, const QString& doing);
  void Run(const QString& sql, const QString& doing);

  // Transactions. A writing transaction takes the write lock at once (SQLite's BEGIN
  // IMMEDIATE), so that it waits its turn under the busy timeout instead of failing when
  // another instance wrote between its read and its write; a schema change also excludes
  // other schema changes on PostgreSQL (an advisory lock held to its end).
  void BeginWriting();
  void BeginSchemaChange();
  void Commit();
  void Rollback();

  // After records were deleted: SQLite copies the log back into the file and empties it,
  // so the deleted rows (which secure_delete overwrote in the file) are gone from both.
  void PurgeDeleted();

 private:
  [[noreturn]] void Fail(const QString& doing, const QString& reason) const;

  StoreLocation location_;
  QString connectionName_;
  QSqlDatabase database_;
};

// Begins a writing transaction and rolls it back unless it was committed.
class WritingTransaction {
 public:
  enum class Kind { Records, Schema };
  WritingTransaction(StoreConnection& connection, Kind kind);
  ~WritingTransaction();
  void Commit();

 private:
  StoreConnection& connection_;
  bool open_ = true;
};
