#include "shell/AssessmentRecorder.h"

#include "records/AssessmentConversion.h"
#include "records/StoreError.h"
#include "records/TablesChecksum.h"
#include "shell/StoreChoice.h"

AssessmentRecorder::AssessmentRecorder(const QString& databaseOption, const QString& baseDir)
    : database_(databaseOption), checksum_(::TablesChecksum(baseDir).value_or(QString())) {}

AssessmentRecorder::~AssessmentRecorder() = default;

AssessmentStore& AssessmentRecorder::Store() {
  if (!store_) {
    QString problem;
    const std::optional<StoreLocation> location = ChosenStoreLocation(database_, &problem);
    if (!location) throw StoreError(problem);
    store_ = std::make_unique<AssessmentStore>(*location);
  }
  return *store_;
}

void AssessmentRecorder::Record(const Assessment& assessment) {
  Store().Record(AssessmentRecordOf(assessment, checksum_));
}
