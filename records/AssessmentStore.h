#pragma once
// The assessment records: every assessment kept, one soldier's history read back, a
// soldier's records deleted. One class over SQLite and PostgreSQL alike.

#include "records/AssessmentRecord.h"
#include "records/StoreLocation.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <vector>

class StoreConnection;

// A soldier as a search lists them: the key (SoldierKey), and the name, rank and SSAN of the
// soldier's latest record.
struct RecordedSoldier {
  QString key;
  QString name;
  QString rank;
  QString ssan;  // "123-45-6789", or empty
};

class AssessmentStore {
 public:
  // Opens the store, making an SQLite file (owner-only, in an owner-only folder) when there
  // is none, and brings its schema to the program's version. Throws StoreError.
  explicit AssessmentStore(const StoreLocation& location);
  ~AssessmentStore();
  AssessmentStore(const AssessmentStore&) = delete;
  AssessmentStore& operator=(const AssessmentStore&) = delete;

  // How messages name the store: its file or its URL.
  QString Description() const;

  // Keeps the assessment, in a transaction of its own; an earlier record of the same
  // soldier (SoldierKey) on the same date is replaced. Throws StoreError, keeping nothing
  // of it, when the record has no valid date or neither a name nor an SSAN, or the
  // database refuses it.
  void Record(const AssessmentRecord& record);
  // Keeps the assessments all in one transaction: all of them, or none.
  void RecordAll(std::span<const AssessmentRecord> records);

  // The keys (SoldierKey) of the soldiers that an SSAN or a name given on a command line
  // names: nine digits, with or without the two dashes, are an SSAN; anything else is a
  // name, in any case. A name can name more than one soldier.
  QStringList FindSoldiers(const QString& ssanOrName);
  // The soldiers a search field names, by name: by the SSAN for nine digits (with or
  // without the dashes), else every soldier whose latest name holds the text, in any case
  // (all for an empty text). At most `limit` of them.
  std::vector<RecordedSoldier> SearchSoldiers(const QString& ssanOrName, int limit);
  // A soldier's assessments, oldest first.
  std::vector<AssessmentRecord> History(const QString& soldierKey);
  // Deletes every assessment of the soldier and returns how many there were.
  int Forget(const QString& soldierKey);

 private:
  void Write(const AssessmentRecord& record);

  std::unique_ptr<StoreConnection> connection_;
  std::optional<QSqlQuery> upsert_;  // prepared at the first record, then used again
};
