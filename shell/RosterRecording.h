#pragma once
// A roster run with --record: every accepted soldier's assessment kept in the store, a
// batch of them at a time.

#include "records/AssessmentRecord.h"
#include "roster/RosterRun.h"

#include <vector>

class AssessmentRecorder;

class RosterRecording : public AcceptedSoldiers {
 public:
  // Assessments kept in one transaction. One transaction a row would make the disk sync
  // after every row (3,600 rows a second against some 30,000 in one transaction); one for
  // the whole roster would hold every record in memory, however long the roster, and keep
  // any other instance writing to the store waiting until the end. A few hundred cost a sync
  // every few hundred rows, hold little, and a failure loses no more than the batch being
  // written; a second run on the same date replaces what the first kept.
  static constexpr std::size_t kBatchSize = 250;

  // Records into the recorder's store, which must be open.
  explicit RosterRecording(AssessmentRecorder& recorder);

  // Throws StoreError when a batch cannot be kept.
  void Take(const Assessment& assessment) override;
  void Finish() override;
  // How many assessments were kept.
  int Recorded() const { return recorded_; }

 private:
  void KeepBatch();

  AssessmentRecorder& recorder_;
  std::vector<AssessmentRecord> batch_;
  int recorded_ = 0;
};
