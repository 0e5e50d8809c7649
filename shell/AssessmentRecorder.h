#pragma once
// Where the wizard and the roster record assessments: the store chosen for the run, opened
// at its first use, and the checksum of the standards tables the run loaded.

#include "entry/Assessment.h"
#include "records/AssessmentStore.h"

#include <QString>

#include <memory>

class AssessmentRecorder {
 public:
  // The store that --database names (empty: the settings' or the default, see
  // ChosenStoreLocation); the checksum of the tables in baseDir/TABLES, taken now, so right
  // after they were loaded.
  AssessmentRecorder(const QString& databaseOption, const QString& baseDir);
  ~AssessmentRecorder();
  AssessmentRecorder(const AssessmentRecorder&) = delete;
  AssessmentRecorder& operator=(const AssessmentRecorder&) = delete;

  // The store, opened (made, for a new SQLite file) at the first call. Throws StoreError
  // when it cannot be named or opened; the next call tries again.
  AssessmentStore& Store();
  // The tables' checksum; empty when a table could not be read.
  const QString& TablesChecksum() const { return checksum_; }
  // Keeps the assessment with the tables' checksum (AssessmentRecordOf). Throws StoreError.
  void Record(const Assessment& assessment);

 private:
  QString database_;
  QString checksum_;
  std::unique_ptr<AssessmentStore> store_;
};
