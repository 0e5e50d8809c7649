// An assessment to its record and back: every kind of assessment, evaluated as a roster row
// is, gives a record from which the same worksheet page is made again, pixel for pixel,
// straight from the record and after the store has kept it; and the record made again from
// that assessment is the record.

#include "records/AssessmentConversion.h"
#include "records/AssessmentStore.h"
#include "standards/Calculate.h"
#include "tests/roster/EveryColumnRow.h"
#include "tests/worksheets/PageImage.h"
#include "worksheets/AssessmentWorksheet.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/WorksheetForm.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Values = ColumnValues;

const QString kChecksum = QStringLiteral("0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef");

// The soldier's assessment as a roster row of these values gives it.
Assessment Evaluated(const Values& values) {
  const SoldierRow row = EveryColumnRow(values, ParseIsoDate("2026-04-01").value());
  EXPECT_FALSE(row.refusal) << row.refusal->message.toStdString();
  return row.assessment.value_or(Assessment{});
}

Values Man() { return With(SampleMan(), {{"date", "2026-04-01"}}); }

Values OneSite(bool fourth) {
  return With(Man(), fourth ? Values{{"method", "one-site"}, {"abdomen2", "41.00"}, {"abdomen4", "38.00"}}
                            : Values{{"method", "one-site"}, {"abdomen2", "39.00"}});
}

Values WithFitnessTest(const Values& values, const QString& component) {
  return With(With(values, SampleFitnessTest()), {{"component", component}});
}

Values WithSupplemental(const Values& values, const QString& bodyFat) {
  return With(values, {{"supplemental_method", "dxa"}, {"supplemental_body_fat", bodyFat}, {"supplemental_date", "2026-04-03"}});
}

// Every kind of assessment, by name.
std::map<std::string, Assessment> EveryKind() {
  const Values exemptOneSite = With(WithFitnessTest(OneSite(false), "guard"), {{"weight", "150"}});
  const Values notExempting = With(WithFitnessTest(Man(), "regular"), {{"aft_plank", "79"}});
  return {{"multi-site man", Evaluated(Man())},
          {"multi-site woman without an SSAN", Evaluated(With(SampleWoman(), {{"ssan", ""}, {"date", "2026-04-01"}}))},
          {"one-site, three measurements", Evaluated(OneSite(false))},
          {"one-site with a fourth", Evaluated(OneSite(true))},
          {"exempt over the screening weight", Evaluated(WithFitnessTest(Man(), "regular"))},
          {"exempt under the screening weight, one-site", Evaluated(exemptOneSite)},
          {"a fitness test that does not exempt", Evaluated(notExempting)},
          {"supplemental within", Evaluated(WithSupplemental(Man(), "22.0"))},
          {"supplemental not within", Evaluated(WithSupplemental(Man(), "22.1"))}};
}

// The worksheet page of an assessment, filled on worksheets of their own.
QImage PageOf(const Assessment& assessment) {
  TMaleForm male;
  TFemaleForm female;
  TOneSiteForm oneSite;
  return RenderFirstPage(*FillAssessmentWorksheet(assessment, {male, female, oneSite}).Report);
}

class AssessmentConversion : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadTables(CORVANE_SOURCE_DIR); }
};

}  // namespace

TEST_F(AssessmentConversion, EveryKindGivesItsWorksheetAndItsRecordAgain) {
  const std::map<std::string, Assessment> kinds = EveryKind();
  ASSERT_TRUE(kinds.at("exempt over the screening weight").Verdict() == FinalVerdict::Exempt);
  ASSERT_TRUE(kinds.at("exempt under the screening weight, one-site").Verdict() == FinalVerdict::Within);
  ASSERT_FALSE(kinds.at("a fitness test that does not exempt").Exempt());
  ASSERT_EQ(kinds.at("one-site with a fourth").oneSite->count, 4);
  ASSERT_TRUE(kinds.at("supplemental within").Verdict() == FinalVerdict::Within);
  ASSERT_TRUE(kinds.at("supplemental not within").Verdict() == FinalVerdict::NotWithin);
  for (const auto& [kind, assessment] : kinds) {
    SCOPED_TRACE(kind);
    const AssessmentRecord record = AssessmentRecordOf(assessment, kChecksum);
    const Assessment again = AssessmentOf(record);
    EXPECT_TRUE(PageOf(again) == PageOf(assessment));
    EXPECT_EQ(AssessmentRecordOf(again, kChecksum), record);
    EXPECT_EQ(again.Verdict(), assessment.Verdict());
    EXPECT_EQ(again.TapeWithin(), assessment.TapeWithin());
    EXPECT_EQ(again.MaxBodyFat(), assessment.MaxBodyFat());
  }
}

// What the store reads back gives the same page: nothing the worksheet prints is lost in
// its columns (a SQLite file here; the store's own tests run both backends).
TEST_F(AssessmentConversion, TheStoredRecordGivesTheSameWorksheet) {
  QTemporaryDir folder;
  AssessmentStore store(StoreLocation{.path = folder.filePath(QStringLiteral("records.sqlite"))});
  for (const auto& [kind, assessment] : EveryKind()) {
    SCOPED_TRACE(kind);
    const AssessmentRecord record = AssessmentRecordOf(assessment, kChecksum);
    store.Record(record);
    const std::vector<AssessmentRecord> history = store.History(SoldierKey(record));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history.front(), record);
    EXPECT_TRUE(PageOf(AssessmentOf(history.front())) == PageOf(assessment));
    store.Forget(SoldierKey(record));
  }
}

// The page made again tells records apart: a body fat changed by a hundredth in the record
// changes the page.
TEST_F(AssessmentConversion, AChangedRecordGivesAnotherPage) {
  const Assessment assessment = Evaluated(Man());
  AssessmentRecord record = AssessmentRecordOf(assessment, kChecksum);
  record.results.bodyFat += 0.01;
  EXPECT_FALSE(PageOf(AssessmentOf(record)) == PageOf(assessment));
}

// The wizard's record of the current soldier still holds what earlier soldiers left in it:
// the other sex's sets, results of the other method, measurements of a soldier now exempt.
// The record keeps only what this assessment took, so the wizard records as the roster does.
TEST_F(AssessmentConversion, WhatTheAssessmentDidNotTakeIsNotRecorded) {
  const auto leftOver = [](Assessment assessment) {
    TSoldierData& data = assessment.data;
    data.Hips = {40, 40, 40};
    data.Arm = data.Wrist = data.FNeck = {9, 9, 9};
    data.AvgHips = data.AvgArm = data.WeightFactor = data.HipFactor = 12.5;
    if (assessment.oneSite || assessment.Exempt()) {
      data.Waist = data.MNeck = {30, 30, 30};
      data.AvgWaist = data.AvgNeck = data.AbdNeckFactor = data.HeightFactor = data.BodyFat = data.MaxBodyFat = 7.25;
    }
    return assessment;
  };
  for (const auto& [kind, assessment] : EveryKind()) {
    if (assessment.page.Sex == "Female") continue;
    SCOPED_TRACE(kind);
    EXPECT_EQ(AssessmentRecordOf(leftOver(assessment), kChecksum), AssessmentRecordOf(assessment, kChecksum));
  }
  const AssessmentRecord exempt = AssessmentRecordOf(EveryKind().at("exempt over the screening weight"), kChecksum);
  EXPECT_EQ(exempt.tape, TapeMeasurements{});
  EXPECT_EQ(exempt.results.bodyFat, 0);
  EXPECT_FALSE(exempt.oneSite);
}

// Who is recorded: the data page's name and rank as typed, trimmed; the SSAN only when all
// nine digits were typed; the typed fields whole.
TEST_F(AssessmentConversion, TheIdentityIsTheDataPagesAsTyped) {
  Assessment assessment = Evaluated(Man());
  assessment.page.Name = QStringLiteral("  DOE, JOHN A ");
  AssessmentRecord record = AssessmentRecordOf(assessment, kChecksum);
  EXPECT_EQ(record.name, "DOE, JOHN A");
  EXPECT_EQ(record.ssan, "123-45-6789");
  EXPECT_EQ(record.typed, assessment.page);
  EXPECT_EQ(record.date, QDate(2026, 4, 1));
  EXPECT_EQ(record.tablesChecksum, kChecksum);
  assessment.page.SSANumber = QStringLiteral("123-45-67  ");
  record = AssessmentRecordOf(assessment, kChecksum);
  EXPECT_EQ(record.ssan, QString());
  EXPECT_EQ(SoldierKey(record), "name:DOE, JOHN A");
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
