// The roster's columns of the date, component, fitness test and supplemental result: an
// exempt soldier read without measurement columns, a supplemental result on both sides of
// the maximum, the results columns they add, and every value that cannot be read refused
// naming its column.

#include "roster/PolicyColumns.h"
#include "roster/ResultsTable.h"
#include "roster/SoldierRow.h"
#include "standards/Calculate.h"
#include "tests/roster/RowOfValues.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <map>

namespace {

const CalendarDate kRunDay = ParseIsoDate("2026-04-01").value();

// A man of 205 lb and 69.5 in, aged 24: over the screening weight of 185 lb; by the tape
// 28.40% against a maximum of 22%.
const Values kMan = {{"name", "DOE JOHN A"}, {"rank", "SGT"},      {"ssan", "123-45-6789"}, {"sex", "Male"},
                     {"age", "24"},          {"weight", "205"},    {"height", "69.50"},     {"neck1", "16.00"},
                     {"neck2", "16.25"},     {"neck3", "16.00"},   {"abdomen1", "39.50"},   {"abdomen2", "39.75"},
                     {"abdomen3", "39.50"}};
// His fitness test of 485 points.
const Values kTest = {{"aft_date", "2026-03-02"}, {"aft_deadlift", "100"}, {"aft_pushup", "100"},
                      {"aft_sdc", "100"},         {"aft_plank", "97"},     {"aft_run", "88"}};
const QStringList kDataPage = {"name", "rank", "ssan", "sex", "age", "weight", "height"};
const QStringList kPolicy = {"date", "component", "aft_date", "aft_deadlift", "aft_pushup", "aft_sdc", "aft_plank",
                             "aft_run", "supplemental_method", "supplemental_body_fat", "supplemental_date"};
const QStringList kMeasurements = {"neck1", "neck2", "neck3", "abdomen1", "abdomen2", "abdomen3"};

Values With(Values values, const Values& more) {
  for (const auto& [column, value] : more) values[column] = value;
  return values;
}

// The soldier as a row of a roster whose header names these columns, read on kRunDay.
SoldierRow Evaluate(const QStringList& names, const Values& values) {
  return EvaluateRow(RosterHeader(names), RecordOf(names, values), kRunDay);
}

// The results line's cells from `verdict` on, for a roster with every column (none of the
// texts holds a comma).
std::string TailFromVerdict(const SoldierRow& row) {
  const QStringList header = QString::fromUtf8(ResultsHeaderLine({.method = true, .policy = true})).trimmed().split(',');
  const QStringList cells = QString::fromUtf8(ResultsLine(2, row, {.method = true, .policy = true})).trimmed().split(',');
  return cells.mid(header.indexOf(QStringLiteral("verdict"))).join(u',').toStdString();
}

class PolicyColumns : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadTables(QCoreApplication::applicationDirPath().toStdString()); }
};

}  // namespace

TEST_F(PolicyColumns, AnExemptSoldierNeedsNoMeasurementColumns) {
  // Over the screening weight: exempt; under it: within. A one-site row alike.
  const QStringList names = kDataPage + kPolicy + QStringList{"method"};
  const SoldierRow over = Evaluate(names, With(kMan, With(kTest, {{"date", "2026-04-01"}})));
  ASSERT_EQ(RefusalOf(over), "accepted");
  EXPECT_EQ(TailFromVerdict(over), "exempt,,multi-site,2026-04-01,485,2026-11-02,,");
  EXPECT_EQ(over.assessment->Verdict(), FinalVerdict::Exempt);

  const SoldierRow under =
      Evaluate(names, With(kMan, With(kTest, {{"weight", "150"}, {"method", "ONE-SITE"}, {"component", "Reserve"}})));
  ASSERT_EQ(RefusalOf(under), "accepted");
  // The reserve's twelve months; the date of the run, as the row names none.
  EXPECT_EQ(TailFromVerdict(under), "within,,one-site,2026-04-01,485,2027-03-02,,");

  // A row that is not exempt reads its measurements, which this roster lacks.
  const SoldierRow tooOld = Evaluate(names, With(kMan, With(kTest, {{"date", "2026-11-03"}})));
  EXPECT_EQ(RefusalOf(tooOld),
            "neck1: The roster has no columns neck1, neck2, neck3, abdomen1, abdomen2, abdomen3, which this multi-site "
            "row reads.");
}

TEST_F(PolicyColumns, ANonExemptingTestLeavesTheTapeToDecide) {
  const QStringList names = kDataPage + kMeasurements + kPolicy;
  const SoldierRow row = Evaluate(names, With(kMan, With(kTest, {{"aft_plank", "79"}})));
  ASSERT_EQ(RefusalOf(row), "accepted");
  EXPECT_FALSE(row.assessment->Exempt());
  EXPECT_EQ(TailFromVerdict(row), "not within,not within,multi-site,2026-04-01,467,,,");
}

TEST_F(PolicyColumns, ASupplementalResultDecidesOnBothSidesOfTheMaximum) {
  const QStringList names = kDataPage + kMeasurements + kPolicy;
  const SoldierRow at = Evaluate(names, With(kMan, {{"supplemental_method", "DXA"}, {"supplemental_body_fat", "22.0"}}));
  EXPECT_EQ(TailFromVerdict(at), "within,not within,multi-site,2026-04-01,,,dxa,22.0");
  const SoldierRow over = Evaluate(names, With(kMan, {{"supplemental_method", "bia"}, {"supplemental_body_fat", "22.1"},
                                                      {"supplemental_date", "2026-04-03"}}));
  EXPECT_EQ(TailFromVerdict(over), "not within,not within,multi-site,2026-04-01,,,bia,22.1");
  EXPECT_EQ(over.assessment->supplemental->date, ParseIsoDate("2026-04-03").value());
  // Without its date, a supplemental result is of the assessment's.
  EXPECT_EQ(at.assessment->supplemental->date, kRunDay);

  // A soldier within by the tape takes none: the tape's verdict stands.
  const SoldierRow within = Evaluate(names, With(kMan, {{"abdomen1", "34.00"}, {"abdomen2", "34.00"},
                                                        {"abdomen3", "34.00"}, {"supplemental_method", "adp"},
                                                        {"supplemental_body_fat", "40.0"}}));
  EXPECT_EQ(TailFromVerdict(within), "within,within,multi-site,2026-04-01,,,,");
}

TEST_F(PolicyColumns, AValueThatCannotBeReadRefusesTheRowNamingItsColumn) {
  const QStringList names = kDataPage + kMeasurements + kPolicy;
  const std::pair<Values, std::string> cases[] = {
      {{{"date", "2026-02-29"}}, "date: The date is written YYYY-MM-DD, a day the calendar has: 2026-03-02."},
      {{{"date", "04/01/2026"}}, "date: The date is written YYYY-MM-DD, a day the calendar has: 2026-03-02."},
      {{{"component", "army"}}, "component: The component is regular, agr, guard or reserve."},
      {{{"aft_run", "88"}}, "aft_date: The fitness test needs its date (YYYY-MM-DD)."},
      {With(kTest, {{"aft_sdc", ""}}),
       "aft_sdc: The fitness test needs the points of all five events; after an alternate event, which gives no "
       "exemption, leave every aft_ column empty."},
      {With(kTest, {{"aft_plank", "101"}}), "aft_plank: The points of an event are a whole number from 0 to 100."},
      {With(kTest, {{"aft_deadlift", "9.5"}}), "aft_deadlift: The points of an event are a whole number from 0 to 100."},
      {With(kTest, {{"aft_date", "2026-3-2"}}),
       "aft_date: The date is written YYYY-MM-DD, a day the calendar has: 2026-03-02."},
      {{{"supplemental_body_fat", "23.4"}}, "supplemental_method: The supplemental method is dxa, bia or adp."},
      {{{"supplemental_method", "tape"}, {"supplemental_body_fat", "23.4"}},
       "supplemental_method: The supplemental method is dxa, bia or adp."},
      {{{"supplemental_method", "dxa"}, {"supplemental_body_fat", "23.45"}},
       "supplemental_body_fat: The supplemental body fat is a percentage above 0 and under 100 with at most one "
       "decimal: 23.4"},
      {{{"supplemental_method", "dxa"}, {"supplemental_body_fat", "0"}},
       "supplemental_body_fat: The supplemental body fat is a percentage above 0 and under 100 with at most one "
       "decimal: 23.4"},
      {{{"supplemental_method", "dxa"}, {"supplemental_body_fat", "23.4"}, {"supplemental_date", "2026-13-01"}},
       "supplemental_date: The date is written YYYY-MM-DD, a day the calendar has: 2026-03-02."},
  };
  for (const auto& [values, refusal] : cases) {
    const SoldierRow row = Evaluate(names, With(kMan, values));
    EXPECT_EQ(RefusalOf(row), refusal);
    EXPECT_FALSE(row.assessment);
  }
}

TEST_F(PolicyColumns, TheResultsGainTheirColumnsOnlyWithAPolicyColumn) {
  EXPECT_FALSE(ResultsShapeOf(RosterHeader(kDataPage + kMeasurements + QStringList{"method"})).policy);
  for (const QString& column : kPolicy) {
    const ResultsShape shape = ResultsShapeOf(RosterHeader(kDataPage + QStringList{column.toUpper()}));
    EXPECT_TRUE(shape.policy) << column.toStdString();
    EXPECT_FALSE(shape.method);
  }
  EXPECT_TRUE(ResultsHeaderLine({.method = false, .policy = true})
                  .endsWith(",verdict,tape_verdict,date,aft_total,exempt_until,supplemental_method,"
                            "supplemental_body_fat\r\n"));
  EXPECT_TRUE(ResultsHeaderLine({.method = true, .policy = false}).endsWith(",verdict,method\r\n"));
}
