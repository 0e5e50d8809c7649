// The results page and the steps that read a measurement page and fill it.

#include "shell/MainForm.h"

#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/CurrentSoldier.h"
#include "shell/Glyphs.h"
#include "shell/PlainMessage.h"
#include "shell/PrintWorksheet.h"
#include "shell/maskedit/MaskedEdit.h"
#include "standards/NumberFormat.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/WorksheetFilling.h"

#include <QPushButton>
#include <QTimer>

namespace {

QLabel* NewValueLabel(QWidget* page, int top, const QString& name) {
  QLabel* label = NewLabel(page, QString(), QPoint(208, top));
  label->setFont(PixelFont(QStringLiteral("Arial"), 11, true));
  SetLabelText(label, QStringLiteral("aaa"));
  label->setObjectName(name);
  return label;
}

}  // namespace

void TMainForm::BuildResultsPage() {
  auto* result = new TBevelPanel(ResultsPanel);
  result->SetBevels(Bevel::Lowered, Bevel::None);
  result->setGeometry(12, 8, 265, 25);
  result->setObjectName(QStringLiteral("Result"));
  FinalResults = NewLabel(ResultsPanel, QString(), QPoint(24, 12));
  FinalResults->setFont(PixelFont(QStringLiteral("Arial"), 13, true));
  SetLabelText(FinalResults, QStringLiteral("Soldier is within standards"));
  FinalResults->setObjectName(QStringLiteral("FinalResults"));

  NewLabel(ResultsPanel, QStringLiteral("Maximum weight:"), QPoint(16, 42));
  NewLabel(ResultsPanel, QStringLiteral("Actual weight:"), QPoint(16, 65));
  QLabel* maxBodyFatCaption = NewLabel(ResultsPanel, QStringLiteral("Maximum Body Fat Content:"), QPoint(16, 88));
  QLabel* bodyFatCaption = NewLabel(ResultsPanel, QStringLiteral("Actual Body Fat Content:"), QPoint(16, 111));
  MaxWeightAllowed = NewValueLabel(ResultsPanel, 42, QStringLiteral("MaxWeightAllowed"));
  ActualWeight = NewValueLabel(ResultsPanel, 65, QStringLiteral("ActualWeight"));
  MaxBFCLabel = NewValueLabel(ResultsPanel, 88, QStringLiteral("MaxBFCLabel"));
  ActualBFC = NewValueLabel(ResultsPanel, 111, QStringLiteral("ActualBFC"));
  NewLabel(ResultsPanel, QStringLiteral("lbs."), QPoint(248, 42));
  NewLabel(ResultsPanel, QStringLiteral("lbs."), QPoint(248, 65));
  bodyFatRows_ = {maxBodyFatCaption, bodyFatCaption, MaxBFCLabel, ActualBFC,
                  NewLabel(ResultsPanel, QStringLiteral("%"), QPoint(248, 88)),
                  NewLabel(ResultsPanel, QStringLiteral("%"), QPoint(248, 111))};
  // Over the body fat rows, which an exempt soldier does not have.
  ResultsNote = new QLabel(ResultsPanel);
  ResultsNote->setFont(PixelFont(QStringLiteral("Arial"), 11));
  ResultsNote->setGeometry(16, 86, 265, 42);
  ResultsNote->setWordWrap(true);
  ResultsNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ResultsNote->setObjectName(QStringLiteral("ResultsNote"));
  ResultsNote->hide();
  // In the gap above the Print button, centred on the page as the button is.
  ResultsMethod = new QLabel(QStringLiteral("One-site tape method"), ResultsPanel);
  ResultsMethod->setFont(PixelFont(QStringLiteral("Arial"), 11));
  ResultsMethod->adjustSize();
  ResultsMethod->move((ResultsPanel->width() - ResultsMethod->width()) / 2, 129);
  ResultsMethod->setObjectName(QStringLiteral("ResultsMethod"));
  ResultsMethod->hide();

  PrintButton = new QPushButton(GlyphIcon(QStringLiteral("printer")), QStringLiteral("&Print Form"), ResultsPanel);
  PrintButton->setGeometry(95, 145, 97, 28);
  PrintButton->setToolTip(QStringLiteral("Print to currently selected printer."));
  PrintButton->setObjectName(QStringLiteral("PrintButton"));
}

bool TMainForm::ReadMeasurements(std::span<const Measurement> fields) {
  for (const Measurement& measurement : fields) {
    const MeasurementReading reading = ReadMeasurement(measurement.field->FieldText());
    if (!reading.value) {
      RefuseField(measurement.field, reading.refusal);
      return false;
    }
    *measurement.value = RoundToQuarter(*reading.value);
  }
  return true;
}

bool TMainForm::RefuseOutOfTable(const std::optional<OutOfTable>& outside) {
  if (outside) ShowMessage(QString::fromStdString(DescribeOutOfTable(*outside)));
  return outside.has_value();
}

bool TMainForm::ShowResults() {
  const bool within = WithinStandards(SoldierData);
  HoldAssessment(TapeMethod::MultiSite, within, std::nullopt);
  ShowResultTexts(QString::fromStdString(FormatFixed2(SoldierData.MaxBodyFat)),
                  QString::fromStdString(FormatFixed2(SoldierData.BodyFat)), within);
  ShowAssessmentLines();
  return within;
}

DataPageTexts TMainForm::PageTexts() const {
  return {Name->text(),      SSANumber->FieldText(), Rank->text(),  Age->FieldText(),
          Height->FieldText(), Weight->FieldText(),    SelectedSex()};
}

void TMainForm::HoldAssessment(TapeMethod method, bool within, const std::optional<OneSiteResult>& oneSite) {
  assessment_ = Assessment{.page = PageTexts(),
                           .data = SoldierData,
                           .method = method,
                           .overScreening = overScreening_,
                           .within = within,
                           .oneSite = oneSite};
  ApplyPolicy(collected_, *assessment_);
}

void TMainForm::ShowResultTexts(const QString& maxBodyFat, const QString& bodyFat, bool within) {
  SetLabelText(MaxBFCLabel, maxBodyFat);
  SetLabelText(ActualBFC, bodyFat);
  ShowWeights();
  SetLabelText(FinalResults, within ? QStringLiteral("Soldier is within Standards")
                                    : QStringLiteral("Soldier is NOT within Standards"));
}

void TMainForm::ShowWeights() {
  SetLabelText(MaxWeightAllowed, QString::number(SoldierData.MaxWeight));
  SetLabelText(ActualWeight, QString::number(SoldierData.Weight));
}

bool TMainForm::ShowMaleResults() {
  TSoldierData& data = SoldierData;
  const Measurement fields[] = {{MNeck1, &data.MNeck[0]}, {MNeck2, &data.MNeck[1]}, {MNeck3, &data.MNeck[2]},
                                {Waist1, &data.Waist[0]}, {Waist2, &data.Waist[1]}, {Waist3, &data.Waist[2]}};
  if (!ReadMeasurements(fields) || RefuseOutOfTable(ComputeMaleBodyFat(data))) return false;
  const bool within = ShowResults();
  // Start-up creates the worksheets; a main window made without them has no marks to set.
  if (MaleForm != nullptr) SetComplianceMarks(*MaleForm, within);
  return true;
}

bool TMainForm::ShowFemaleResults() {
  TSoldierData& data = SoldierData;
  const Measurement fields[] = {{Hips1, &data.Hips[0]},   {Hips2, &data.Hips[1]},   {Hips3, &data.Hips[2]},
                                {Arm1, &data.Arm[0]},     {Arm2, &data.Arm[1]},     {Arm3, &data.Arm[2]},
                                {FNeck1, &data.FNeck[0]}, {FNeck2, &data.FNeck[1]}, {FNeck3, &data.FNeck[2]},
                                {Wrist1, &data.Wrist[0]}, {Wrist2, &data.Wrist[1]}, {Wrist3, &data.Wrist[2]}};
  if (!ReadMeasurements(fields) || RefuseOutOfTable(ComputeFemaleBodyFat(data))) return false;
  const bool within = ShowResults();
  if (FemaleForm != nullptr) SetComplianceMarks(*FemaleForm, within);
  return true;
}

void TMainForm::PrintButtonClick() {
  // The button is on the results page, which only an assessment brings up.
  if (!assessment_) return;
  // A copy: a second Print Form pressed while this preview is open holds a new assessment.
  const Assessment assessment = *assessment_;
  // A worksheet printed or saved is recorded, once the print or the save has ended: the
  // print pass is not to wait for the store, nor a message box to open within it.
  PrintWorksheet(assessment, {*MaleForm, *FemaleForm, *OneSiteForm}, [this, assessment] {
    QTimer::singleShot(0, this, [this, assessment] { RecordAssessment(assessment); });
  });
}
