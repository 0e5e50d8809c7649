// The same soldier typed into the wizard and read from a roster: the same results and the
// same worksheet page, pixel for pixel, on the shipped tables, by either tape method; the
// same record kept by either, and a worksheet made again from its record that is the page
// printed.

#include "records/AssessmentConversion.h"
#include "records/AssessmentStore.h"
#include "report/device/TsPrinter.h"
#include "report/preview/TsStandardPreview.h"
#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"
#include "shell/AppWindows.h"
#include "shell/AssessmentRecorder.h"
#include "shell/BevelPanel.h"
#include "shell/CurrentSoldier.h"
#include "shell/MainForm.h"
#include "shell/RosterRecording.h"
#include "shell/maskedit/MaskedEdit.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"
#include "standards/Calculate.h"
#include "tests/report/support/StoredDocuments.h"
#include "tests/roster/EveryColumnRow.h"
#include "tests/roster/RosterPage.h"
#include "tests/report/support/VisiblePreviews.h"
#include "tests/shell/support/MessageBoxWatcher.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace {

using Values = ColumnValues;
using Fields = std::map<std::string, TMaskedEdit*>;

// The record's results that a soldier of the sex gets.
std::vector<double> Results(const TSoldierData& data, bool female) {
  std::vector<double> results = {double(data.MaxWeight), data.BodyFat, data.MaxBodyFat, data.AvgNeck,
                                 data.HeightFactor};
  if (female)
    results.insert(results.end(), {data.AvgHips, data.AvgArm, data.AvgWrist, data.WeightFactor, data.HipFactor,
                                   data.ForearmFactor, data.NeckFactor, data.WristFactor});
  else
    results.insert(results.end(), {data.AvgWaist, data.AbdNeckFactor});
  return results;
}

// Presses "&Print Form" and returns the page of the worksheet's preview. With a PDF named,
// presses Print in the preview as well, and closes it once the PDF is written.
QImage PrintFormPage(TMainForm& form, TWorksheetForm& worksheet, const QString& pdf = QString()) {
  QImage page;
  worksheet.Report->PrinterSettings.OutputFileName = pdf;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (TTsStandardPreview* preview : VisiblePreviews()) {
      TTsPrinter* device = worksheet.Report->Device();
      if (!device || !device->ShowingPreview || device->Status() != TsPrinterStatus::Finished) continue;
      if (page.isNull()) {
        page = RenderDevicePage(*device, 1);
        if (!pdf.isEmpty()) device->RequestPrint();
      }
      if (pdf.isEmpty() || QFile::exists(pdf)) preview->close();
    }
  });
  poll.start(20);
  form.PrintButton->click();
  QCoreApplication::processEvents();  // the recording waits for the print to have ended
  worksheet.Report->PrinterSettings.OutputFileName.clear();
  return page;
}

// Records the assessment as a roster run with --record does.
void RecordAsTheRoster(AssessmentRecorder& recorder, const Assessment& assessment) {
  RosterRecording recording(recorder);
  recording.Take(assessment);
  recording.Finish();
}

class WizardAndRoster : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    LoadTables(QCoreApplication::applicationDirPath().toStdString());
    boxes_ = new MessageBoxWatcher;
    MainForm = new TMainForm;
    MaleForm = new TMaleForm;
    FemaleForm = new TFemaleForm;
    OneSiteForm = new TOneSiteForm;
    MainForm->show();
  }
  static void TearDownTestSuite() {
    EXPECT_EQ(boxes_->count(), 0) << boxes_->lastText().toStdString();
    delete OneSiteForm;
    delete FemaleForm;
    delete MaleForm;
    delete MainForm;
    delete boxes_;
  }

  // The wizard's fields for the data page's values, and for a man's, a woman's and a
  // one-site soldier's as well.
  static Fields DataFields() {
    const TMainForm& form = *MainForm;
    return {{"ssan", form.SSANumber}, {"age", form.Age}, {"weight", form.Weight}, {"height", form.Height}};
  }
  static Fields ManFields() {
    const TMainForm& form = *MainForm;
    return With(DataFields(), {{"neck1", form.MNeck1}, {"neck2", form.MNeck2}, {"neck3", form.MNeck3},
                               {"abdomen1", form.Waist1}, {"abdomen2", form.Waist2}, {"abdomen3", form.Waist3}});
  }
  static Fields WomanFields() {
    const TMainForm& form = *MainForm;
    return With(DataFields(), {{"hips1", form.Hips1}, {"hips2", form.Hips2}, {"hips3", form.Hips3},
                               {"forearm1", form.Arm1}, {"forearm2", form.Arm2}, {"forearm3", form.Arm3},
                               {"neck1", form.FNeck1}, {"neck2", form.FNeck2}, {"neck3", form.FNeck3},
                               {"wrist1", form.Wrist1}, {"wrist2", form.Wrist2}, {"wrist3", form.Wrist3}});
  }
  static Fields OneSiteFields() {
    const TMainForm& form = *MainForm;
    return With(DataFields(), {{"abdomen1", form.Abdomen1}, {"abdomen2", form.Abdomen2},
                               {"abdomen3", form.Abdomen3}, {"abdomen4", form.Abdomen4}});
  }

  // Types the soldier into the wizard, field by field as the roster's values would read,
  // and takes it to the results page.
  static void EnterInWizard(const Values& values, const Fields& fields) {
    TMainForm& form = *MainForm;
    form.Name->setText(values.at("name"));
    form.Rank->setText(values.at("rank"));
    for (const auto& [column, field] : fields) field->SetFieldText(values.at(column));
    (values.at("sex") == QLatin1String("Female") ? form.SexFemale : form.SexMale)->setChecked(true);
    form.Next->click();
    form.Next->click();
    ASSERT_TRUE(form.ResultsPanel->isVisible());
  }

  // Enters the soldier in the wizard and reads the same values as a roster record: the
  // record's results, verdict and worksheet page are the wizard's. Returns the record's row;
  // the wizard is back on its data page, its results page as the soldier left it.
  static SoldierRow Compare(const Values& values, const Fields& fields, TWorksheetForm& worksheet) {
    EnterInWizard(values, fields);
    const bool female = values.at("sex") == QLatin1String("Female");
    const std::vector<double> wizardResults = Results(SoldierData, female);
    const bool wizardWithin = MainForm->FinalResults->text() == QStringLiteral("Soldier is within Standards");
    const QImage wizardPage = PrintFormPage(*MainForm, worksheet);
    MainForm->Previous->click();
    MainForm->Previous->click();

    SoldierRow row = EveryColumnRow(values);
    // The row is evaluated on a record of its own: the wizard's soldier stays as it was.
    EXPECT_EQ(Results(SoldierData, female), wizardResults);
    if (row.refusal) {
      ADD_FAILURE() << row.refusal->message.toStdString();
      return row;
    }
    const Assessment& assessment = row.assessment.value();
    if (!assessment.oneSite) EXPECT_EQ(Results(assessment.data, female), wizardResults);
    EXPECT_EQ(assessment.within, wizardWithin);
    EXPECT_FALSE(wizardPage.isNull());
    EXPECT_TRUE(RosterPage(assessment) == wizardPage);
    return row;
  }

  // The results page's numbers.
  static QStringList ResultsPage() {
    const TMainForm& form = *MainForm;
    return {form.MaxWeightAllowed->text(), form.MaxBFCLabel->text(), form.ActualBFC->text()};
  }

  static inline MessageBoxWatcher* boxes_ = nullptr;
};

}  // namespace

TEST_F(WizardAndRoster, AManGetsTheSameResultsAndWorksheet) { Compare(SampleMan(), ManFields(), *MaleForm); }

TEST_F(WizardAndRoster, AWomanOfUnderAHundredPoundsGetsTheSameResultsAndWorksheet) {
  Compare(SampleWoman(), WomanFields(), *FemaleForm);
}

TEST_F(WizardAndRoster, AOneSiteSoldierWithAFourthMeasurementGetsTheSameResultsAndWorksheet) {
  TMainForm& form = *MainForm;
  form.SetMethod(TapeMethod::OneSite);
  // The three spread by 1.5 in: the fourth is taken, the second set aside, the average of
  // 38.50, 38.00 and 38.50 rounded down to 38.00. The neck is not the one-site page's.
  const SoldierRow row = Compare(With(SampleMan(), {{"age", "31"}, {"method", "one-site"}, {"abdomen1", "38.50"},
                                                    {"abdomen2", "40.00"}, {"abdomen3", "38.50"}, {"abdomen4", "38.00"}}),
                                 OneSiteFields(), *OneSiteForm);
  ASSERT_TRUE(row.assessment && row.assessment->oneSite);
  const OneSiteResult& result = *row.assessment->oneSite;
  EXPECT_EQ(result.setAside, 1);
  EXPECT_EQ(ResultsPage(), (QStringList{QString::number(row.assessment->data.MaxWeight),
                                        QString::number(result.maxBodyFat), QString::number(result.roundedBodyFat)}));
  form.SetMethod(TapeMethod::MultiSite);
}

// The date, component and fitness test given in the wizard's Assessment dialog and in the
// roster's columns: an exempt soldier gets the same verdict and the same page, one over
// the screening weight by the multi-site method, one under it by the one-site method.
TEST_F(WizardAndRoster, AnExemptSoldierGetsTheSameVerdictAndWorksheet) {
  TMainForm& form = *MainForm;
  const FitnessTest test{ParseIsoDate("2026-03-02").value(), {100, 100, 100, 97, 88}};
  const Values common = With(SampleFitnessTest(), {{"name", "EXEMPT, ERIN"}, {"rank", "SGT"}, {"ssan", "123-45-6789"},
                                                   {"sex", "Male"}, {"age", "24"}, {"height", "69.50"},
                                                   {"date", "2026-04-01"}});
  for (const auto& [method, weight, component, verdict] :
       {std::tuple{TapeMethod::MultiSite, "205", Component::Regular, FinalVerdict::Exempt},
        std::tuple{TapeMethod::OneSite, "150", Component::Guard, FinalVerdict::Within}}) {
    form.SetMethod(method);
    form.Name->setText(common.at("name"));
    form.SetPolicy({ParseIsoDate("2026-04-01").value(), component, test});
    const Values values = With(common, {{"weight", weight},
                                        {"method", QLatin1String(TapeMethodName(method).data())},
                                        {"component", QLatin1String(ComponentName(component).data())}});
    EnterInWizard(values, DataFields());
    const Assessment wizard = form.HeldAssessment().value();
    const QImage wizardPage = PrintFormPage(form, method == TapeMethod::OneSite ? static_cast<TWorksheetForm&>(*OneSiteForm)
                                                                               : *MaleForm);
    form.Previous->click();

    const SoldierRow row = EveryColumnRow(values);
    ASSERT_FALSE(row.refusal) << row.refusal->message.toStdString();
    const Assessment& roster = row.assessment.value();
    EXPECT_EQ(wizard.Verdict(), verdict);
    EXPECT_EQ(roster.Verdict(), verdict);
    EXPECT_EQ(roster.exemption->ExemptUntil(), wizard.exemption->ExemptUntil());
    EXPECT_EQ(roster.data.MaxWeight, wizard.data.MaxWeight);
    EXPECT_FALSE(wizardPage.isNull());
    EXPECT_TRUE(RosterPage(roster) == wizardPage);
  }
  form.SetPolicy({Today(), Component::Regular, std::nullopt});
  form.SetMethod(TapeMethod::MultiSite);
}

// A supplemental result on both sides of the maximum of 22%: the wizard's Supplemental
// assessment and the roster's columns give the same verdicts and the same page.
TEST_F(WizardAndRoster, ASupplementalResultGivesTheSameVerdictAndWorksheet) {
  TMainForm& form = *MainForm;
  for (const auto& [bodyFat, verdict] : {std::pair{"22.0", FinalVerdict::Within}, std::pair{"22.1", FinalVerdict::NotWithin}}) {
    const Values values = With(SampleMan(), {{"supplemental_method", "dxa"}, {"supplemental_body_fat", bodyFat},
                                             {"supplemental_date", "2026-04-03"}});
    EnterInWizard(values, ManFields());
    ASSERT_EQ(form.FinalResults->text(), "Soldier is NOT within Standards");
    ASSERT_TRUE(form.SetSupplemental({SupplementalMethod::Dxa, ParseBodyFatTenths(bodyFat).value(),
                                      ParseIsoDate("2026-04-03").value()}));
    const QString wizardVerdict = form.FinalResults->text();
    const QImage wizardPage = PrintFormPage(form, *MaleForm);
    form.Previous->click();
    form.Previous->click();

    const SoldierRow row = EveryColumnRow(values);
    ASSERT_FALSE(row.refusal) << row.refusal->message.toStdString();
    const Assessment& roster = row.assessment.value();
    EXPECT_EQ(roster.Verdict(), verdict);
    EXPECT_EQ(roster.TapeWithin(), std::optional<bool>(false));
    EXPECT_EQ(wizardVerdict, verdict == FinalVerdict::Within ? QStringLiteral("Soldier is within Standards")
                                                             : QStringLiteral("Soldier is NOT within Standards"));
    EXPECT_FALSE(wizardPage.isNull());
    EXPECT_TRUE(RosterPage(roster) == wizardPage);
  }
}

// Records, Save assessment in the wizard and a roster run with --record keep the same record
// of the same soldier, field for field; recording the soldier again on the same date
// replaces the record.
TEST_F(WizardAndRoster, TheWizardAndTheRosterRecordTheSameAssessment) {
  TMainForm& form = *MainForm;
  QTemporaryDir folder;
  const QString tables = QCoreApplication::applicationDirPath();
  AssessmentRecorder wizard(folder.filePath(QStringLiteral("wizard.sqlite")), tables);
  AssessmentRecorder roster(folder.filePath(QStringLiteral("roster.sqlite")), tables);
  form.SetRecorder(&wizard);
  const Values oneSite = With(SampleMan(), {{"method", "one-site"}, {"abdomen2", "41.00"}, {"abdomen4", "38.00"}});
  const Values supplemental = With(SampleMan(), {{"supplemental_method", "bia"}, {"supplemental_body_fat", "21.5"},
                                                 {"supplemental_date", "2026-04-03"}});
  for (const auto& [values, fields, method] :
       {std::tuple{SampleMan(), ManFields(), TapeMethod::MultiSite},
        std::tuple{With(SampleWoman(), {{"ssan", ""}}), WomanFields(), TapeMethod::MultiSite},
        std::tuple{oneSite, OneSiteFields(), TapeMethod::OneSite},
        std::tuple{supplemental, ManFields(), TapeMethod::MultiSite}}) {
    SCOPED_TRACE(values.at("name").toStdString() + " " + std::string(TapeMethodName(method)));
    form.SetMethod(method);
    EXPECT_FALSE(form.SaveAssessmentAction->isEnabled());
    EnterInWizard(values, fields);
    if (values.count("supplemental_method"))
      ASSERT_TRUE(form.SetSupplemental({SupplementalMethod::Bia, 215, ParseIsoDate("2026-04-03").value()}));
    ASSERT_TRUE(form.SaveAssessmentAction->isEnabled());
    form.SaveAssessmentAction->trigger();
    EXPECT_EQ(boxes_->lastText(), "Assessment recorded.");
    boxes_->clear();
    form.Previous->click();
    form.Previous->click();

    const SoldierRow row = EveryColumnRow(values);
    ASSERT_FALSE(row.refusal) << row.refusal->message.toStdString();
    RecordAsTheRoster(roster, *row.assessment);
    const QString key = SoldierKey(AssessmentRecordOf(*row.assessment, roster.TablesChecksum()));
    const std::vector<AssessmentRecord> byWizard = wizard.Store().History(key);
    ASSERT_EQ(byWizard.size(), 1u);
    EXPECT_EQ(byWizard, roster.Store().History(key));
    EXPECT_FALSE(byWizard.front().tablesChecksum.isEmpty());

    RecordAsTheRoster(wizard, *row.assessment);
    EXPECT_EQ(wizard.Store().History(key), byWizard);
  }
  form.SetMethod(TapeMethod::MultiSite);
  form.SetRecorder(nullptr);
}

// Print in Print Form's preview records the assessment, silently; the worksheet made again
// from what the store read back is the page that was printed, as is the roster's from its
// record. A store that cannot be opened loses nothing of the print and says so.
TEST_F(WizardAndRoster, APrintedWorksheetIsRecordedAndMadeAgainFromItsRecord) {
  TMainForm& form = *MainForm;
  QTemporaryDir folder;
  AssessmentRecorder recorder(folder.filePath(QStringLiteral("records.sqlite")), QCoreApplication::applicationDirPath());
  form.SetRecorder(&recorder);
  EnterInWizard(SampleMan(), ManFields());
  const QImage printed = PrintFormPage(form, *MaleForm, folder.filePath(QStringLiteral("printed.pdf")));
  ASSERT_FALSE(printed.isNull());
  EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("printed.pdf"))));
  EXPECT_EQ(boxes_->count(), 0) << boxes_->lastText().toStdString();
  const QStringList soldiers = recorder.Store().FindSoldiers(QStringLiteral("123456789"));
  ASSERT_EQ(soldiers.size(), 1);
  const std::vector<AssessmentRecord> history = recorder.Store().History(soldiers.front());
  ASSERT_EQ(history.size(), 1u);
  EXPECT_TRUE(RosterPage(AssessmentOf(history.front())) == printed);

  const SoldierRow row = EveryColumnRow(SampleMan());
  ASSERT_TRUE(row.assessment);
  AssessmentRecorder rosterStore(folder.filePath(QStringLiteral("roster.sqlite")), QCoreApplication::applicationDirPath());
  RecordAsTheRoster(rosterStore, *row.assessment);
  const std::vector<AssessmentRecord> rosterHistory = rosterStore.Store().History(soldiers.front());
  ASSERT_EQ(rosterHistory.size(), 1u);
  EXPECT_TRUE(RosterPage(AssessmentOf(rosterHistory.front())) == RosterPage(*row.assessment));
  EXPECT_TRUE(RosterPage(AssessmentOf(rosterHistory.front())) == printed);

  AssessmentRecorder unreachable(QStringLiteral("/proc/no-such-folder/records.sqlite"),
                                 QCoreApplication::applicationDirPath());
  form.SetRecorder(&unreachable);
  const QString pdf = folder.filePath(QStringLiteral("printed-again.pdf"));
  EXPECT_FALSE(PrintFormPage(form, *MaleForm, pdf).isNull());
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(boxes_->count(), 1);
  EXPECT_TRUE(boxes_->lastText().startsWith(QStringLiteral("The assessment was not recorded: /proc/no-such-folder")))
      << boxes_->lastText().toStdString();
  EXPECT_FALSE(boxes_->lastText().contains(QStringLiteral("123-45-6789")));
  boxes_->clear();
  form.SetRecorder(nullptr);
  form.Previous->click();
  form.Previous->click();
}
