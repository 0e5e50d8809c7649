// The Records menu: the assessment on the results page kept in the store of assessment
// records, and the History window.

#include "shell/MainForm.h"

#include "records/StoreError.h"
#include "shell/AppWindows.h"
#include "shell/AssessmentRecorder.h"
#include "shell/HistoryForm.h"
#include "shell/PlainMessage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void TMainForm::BuildRecordsMenu() {
  QMenu* menu = MenuBar->addMenu(QStringLiteral("&Records"));
  menu->setObjectName(QStringLiteral("RecordsMenu"));
  SaveAssessmentAction = menu->addAction(QStringLiteral("&Save assessment"));
  SaveAssessmentAction->setEnabled(false);
  HistoryAction = menu->addAction(QStringLiteral("&History..."));
}

bool TMainForm::RecordAssessment(const Assessment& assessment) {
  // A main window made without start-up has no store to record into.
  if (recorder_ == nullptr) return false;
  try {
    recorder_->Record(assessment);
    return true;
  } catch (const StoreError& error) {
    ShowMessage(QStringLiteral("The assessment was not recorded: %1").arg(error.Message()));
    return false;
  }
}

void TMainForm::SaveAssessmentActionClick() {
  if (!assessment_) return;
  if (RecordAssessment(*assessment_)) ShowMessage(QStringLiteral("Assessment recorded."));
}

void TMainForm::HistoryActionClick() {
  if (HistoryForm != nullptr) HistoryForm->ShowInFront();
}
