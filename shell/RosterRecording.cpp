#include "shell/RosterRecording.h"

#include "records/AssessmentConversion.h"
#include "shell/AssessmentRecorder.h"

RosterRecording::RosterRecording(AssessmentRecorder& recorder) : recorder_(recorder) { batch_.reserve(kBatchSize); }

void RosterRecording::Take(const Assessment& assessment) {
  batch_.push_back(AssessmentRecordOf(assessment, recorder_.TablesChecksum()));
  if (batch_.size() >= kBatchSize) KeepBatch();
}

void RosterRecording::Finish() { KeepBatch(); }

void RosterRecording::KeepBatch() {
  if (batch_.empty()) return;
  recorder_.Store().RecordAll(batch_);
  recorded_ += static_cast<int>(batch_.size());
  batch_.clear();
}
