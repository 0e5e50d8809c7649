// The Assessment menu: the date, component and fitness test of the assessment, the
// exemption from the tape they may give, and the supplemental result of a soldier the tape
// finds not within standards.

#include "shell/MainForm.h"

#include "entry/QtCalendarDates.h"
#include "shell/AssessmentDialog.h"
#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/CurrentSoldier.h"
#include "shell/PlainMessage.h"
#include "shell/SupplementalDialog.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/WorksheetFilling.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

QString VerdictText(bool within) {
  return within ? QStringLiteral("within") : QStringLiteral("NOT within");
}

// "Tape: NOT within; DXA 23.4 %: within": both results in the one line the page has for them.
QString TapeAndSupplementalText(const Assessment& assessment) {
  const SupplementalResult& result = *assessment.supplemental;
  return QStringLiteral("%1: %2; %3 %4 %: %5")
      .arg(assessment.method == TapeMethod::OneSite ? QStringLiteral("One-site tape") : QStringLiteral("Tape"),
           VerdictText(assessment.within), QString::fromUtf8(SupplementalMethodName(result.method).data()),
           QString::fromStdString(FormatBodyFatTenths(result.bodyFatTenths)),
           VerdictText(SupplementalWithin(result, assessment.MaxBodyFat())));
}

}  // namespace

void TMainForm::BuildAssessmentMenu() {
  QMenu* menu = MenuBar->addMenu(QStringLiteral("&Assessment"));
  menu->setObjectName(QStringLiteral("AssessmentMenu"));
  PolicyAction = menu->addAction(QStringLiteral("Assessment &date and fitness test..."));
  SupplementalAction = menu->addAction(QStringLiteral("&Supplemental assessment..."));
  SupplementalAction->setEnabled(false);
}

PolicyEntry TMainForm::Policy() const { return {chosenDate_.value_or(Today()), component_, test_}; }

void TMainForm::SetPolicy(const PolicyEntry& entry) {
  chosenDate_ = entry.date;
  component_ = entry.component;
  test_ = entry.test;
  testSoldier_ = Name->text();
  if (VisiblePage() != MainPanel) ShowPage(MainPanel, true, false);
}

PolicyEntry TMainForm::PolicyForSoldier() {
  if (test_ && !testSoldier_.isEmpty() && testSoldier_ != Name->text()) {
    ShowMessage(QStringLiteral("The fitness test was given for %1, not for this soldier: it is left out. Give this "
                               "soldier's test under Assessment, Assessment date and fitness test.")
                    .arg(testSoldier_));
    test_.reset();
  }
  if (test_) testSoldier_ = Name->text();
  return Policy();
}

bool TMainForm::SetSupplemental(const SupplementalResult& result) {
  if (VisiblePage() != ResultsPanel || !assessment_ || !assessment_->TakesSupplemental()) return false;
  assessment_->supplemental = result;
  ShowAssessmentLines();
  if (TWorksheetForm* worksheet = MethodWorksheet()) SetComplianceMarks(*worksheet, assessment_->Complies());
  return true;
}

void TMainForm::PolicyActionClick() {
  TAssessmentDialog dialog(Policy(), this);
  if (dialog.exec() == QDialog::Accepted) SetPolicy(dialog.Entry());
}

void TMainForm::SupplementalActionClick() {
  if (!assessment_) return;
  TSupplementalDialog dialog(assessment_->supplemental, assessment_->date, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (const std::optional<SupplementalResult> result = dialog.Result()) SetSupplemental(*result);
}

void TMainForm::ShowAssessmentLines() {
  const Assessment& assessment = *assessment_;
  const bool exempt = assessment.Exempt();
  for (QWidget* row : bodyFatRows_) row->setVisible(!exempt);
  ResultsNote->setVisible(exempt);
  if (exempt) {
    ResultsNote->setText(QString::fromStdString(DescribeExemption(*assessment.exemption)));
    ResultsMethod->hide();
  }
  const FinalVerdict verdict = assessment.Verdict();
  SetLabelText(FinalResults, verdict == FinalVerdict::Exempt        ? QStringLiteral("Soldier is Exempt")
                             : verdict == FinalVerdict::Within ? QStringLiteral("Soldier is within Standards")
                                                               : QStringLiteral("Soldier is NOT within Standards"));
  if (exempt) return;
  const bool supplemental = assessment.supplemental && assessment.TakesSupplemental();
  ResultsMethod->setText(supplemental ? TapeAndSupplementalText(assessment) : QStringLiteral("One-site tape method"));
  ResultsMethod->adjustSize();
  // In the gap above the Print button, centred on the page as the button is.
  ResultsMethod->move((ResultsPanel->width() - ResultsMethod->width()) / 2, ResultsMethod->y());
  ResultsMethod->setVisible(supplemental || assessment.method == TapeMethod::OneSite);
}

void TMainForm::ShowExemptResults() {
  HoldAssessment(method_, true, std::nullopt);
  ShowWeights();
  ShowAssessmentLines();
  if (TWorksheetForm* worksheet = MethodWorksheet()) SetComplianceMarks(*worksheet, assessment_->Complies());
}

TWorksheetForm* TMainForm::MethodWorksheet() const {
  if (method_ == TapeMethod::OneSite) return OneSiteForm;
  if (SelectedSex() == FemaleItem) return FemaleForm;
  return MaleForm;
}
