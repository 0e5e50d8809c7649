// Rosters that leave columns out: a row needs only the columns its tape method (and, by the
// multi-site method, its sex) reads, and one that lacks some is refused naming them all.

#include "entry/OneSiteFields.h"
#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"
#include "tests/roster/RowOfValues.h"
#include "standards/Calculate.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <map>

namespace {

// A man and a woman by each method, with the values of the shipped example roster.
const Values kOneSiteMan = {{"name", "KIM, JAMES"}, {"rank", "SGT"},       {"ssan", "789-01-2345"},
                            {"sex", "Male"},        {"age", "27"},         {"weight", "190"},
                            {"height", "71.00"},    {"method", "one-site"}, {"abdomen1", "36.00"},
                            {"abdomen2", "37.50"},  {"abdomen3", "36.50"}, {"abdomen4", "36.00"}};
const Values kOneSiteWoman = {{"name", "PATEL, RIYA"}, {"rank", "SPC"},       {"ssan", "890-12-3456"},
                              {"sex", "Female"},       {"age", "23"},         {"weight", "142"},
                              {"height", "64.00"},     {"method", "one-site"}, {"abdomen1", "33.00"},
                              {"abdomen2", "33.50"},   {"abdomen3", "33.25"}};
const Values kMultiSiteMan = {{"name", "DOE, JOHN A"}, {"rank", "SGT"},      {"ssan", "123-45-6789"},
                              {"sex", "Male"},         {"age", "24"},        {"weight", "182"},
                              {"height", "70.00"},     {"neck1", "15.50"},   {"neck2", "15.25"},
                              {"neck3", "15.50"},      {"abdomen1", "34.00"}, {"abdomen2", "34.25"},
                              {"abdomen3", "34.00"}};
const Values kMultiSiteWoman = {
    {"name", "SMITH, MARY K"}, {"rank", "CPT"},       {"ssan", "345-67-8901"}, {"sex", "Female"},
    {"age", "28"},             {"weight", "135"},     {"height", "65.25"},     {"neck1", "12.75"},
    {"neck2", "12.50"},        {"neck3", "12.75"},    {"hips1", "38.50"},      {"hips2", "38.75"},
    {"hips3", "38.50"},        {"forearm1", "10.25"}, {"forearm2", "10.00"},   {"forearm3", "10.25"},
    {"wrist1", "6.25"},        {"wrist2", "6.00"},    {"wrist3", "6.25"}};

QStringList AllColumns() {
  QStringList names;
  for (const RosterColumn& column : RosterColumns()) names << QLatin1String(column.name);
  return names;
}

QStringList Without(QStringList names, const QStringList& left) {
  for (const QString& name : left) names.removeAll(name);
  return names;
}

// The soldier as a row of a roster whose header names these columns.
SoldierRow Evaluate(const QStringList& names, const Values& values) {
  return EvaluateRow(RosterHeader(names), RecordOf(names, values));
}

// What the results and the worksheet of a one-site row show.
std::vector<int64_t> OneSiteResults(const SoldierRow& row) {
  const Assessment& assessment = row.assessment.value();
  const OneSiteResult& result = assessment.oneSite.value();
  return {assessment.data.MaxWeight, assessment.overScreening, assessment.within, result.count,
          result.setAside,           result.averageHalfInches, result.bodyFat,    result.maxBodyFat};
}

class MissingColumns : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadTables(QCoreApplication::applicationDirPath().toStdString()); }
};

}  // namespace

TEST_F(MissingColumns, AOneSiteRosterWithJustItsColumnsAssessesAsAFullOne) {
  const QStringList oneSite = {"name",   "rank",   "ssan",     "sex",      "age",      "weight",
                               "height", "method", "abdomen1", "abdomen2", "abdomen3", "abdomen4"};
  for (const Values& soldier : {kOneSiteMan, kOneSiteWoman}) {
    const SoldierRow lean = Evaluate(oneSite, soldier);
    const SoldierRow full = Evaluate(AllColumns(), soldier);
    ASSERT_EQ(RefusalOf(lean), "accepted");
    ASSERT_EQ(RefusalOf(full), "accepted");
    EXPECT_EQ(OneSiteResults(lean), OneSiteResults(full));
    EXPECT_EQ(lean.assessment->page.Weight, full.assessment->page.Weight);
  }
  EXPECT_EQ(Evaluate(oneSite, kOneSiteMan).assessment->oneSite->count, 4);

  // A multi-site row names every column of its sex that the roster lacks.
  EXPECT_EQ(RefusalOf(Evaluate(oneSite, kMultiSiteMan)),
            "neck1: The roster has no columns neck1, neck2, neck3, which this multi-site row reads.");
  EXPECT_EQ(RefusalOf(Evaluate(oneSite, kMultiSiteWoman)),
            "hips1: The roster has no columns hips1, hips2, hips3, forearm1, forearm2, forearm3, neck1, neck2, neck3, "
            "wrist1, wrist2, wrist3, which this multi-site row reads.");

  // The fourth column is read only when the first three ask for a fourth; a roster without
  // it refuses such a row with the page's reason, as it always has.
  const QStringList withoutFourth = Without(oneSite, {"abdomen4"});
  EXPECT_EQ(RefusalOf(Evaluate(withoutFourth, kOneSiteWoman)), "accepted");
  EXPECT_EQ(RefusalOf(Evaluate(withoutFourth, kOneSiteMan)), "abdomen4: " + WhyAFourthMeasurement().toStdString());
}

TEST_F(MissingColumns, AMixedRosterWithoutNecksRefusesOnlyItsMultiSiteRows) {
  const QStringList noNecks = Without(AllColumns(), {"neck1", "neck2", "neck3"});
  const std::string refusal = "neck1: The roster has no columns neck1, neck2, neck3, which this multi-site row reads.";
  EXPECT_EQ(RefusalOf(Evaluate(noNecks, kMultiSiteMan)), refusal);
  EXPECT_EQ(RefusalOf(Evaluate(noNecks, kMultiSiteWoman)), refusal);
  EXPECT_EQ(RefusalOf(Evaluate(noNecks, kOneSiteMan)), "accepted");
  EXPECT_EQ(RefusalOf(Evaluate(noNecks, kOneSiteWoman)), "accepted");

  // A roster of men alone needs none of the women's columns.
  const QStringList men = Without(AllColumns(), {"hips1", "hips2", "hips3", "forearm1", "forearm2", "forearm3",
                                                 "wrist1", "wrist2", "wrist3", "method", "abdomen4"});
  EXPECT_EQ(RefusalOf(Evaluate(men, kMultiSiteMan)), "accepted");
  EXPECT_EQ(RefusalOf(Evaluate(men, kMultiSiteWoman)),
            "hips1: The roster has no columns hips1, hips2, hips3, forearm1, forearm2, forearm3, wrist1, wrist2, "
            "wrist3, which this multi-site row reads.");
}

TEST_F(MissingColumns, EveryColumnARowLacksIsNamedInOneRefusal) {
  EXPECT_EQ(RefusalOf(Evaluate(Without(AllColumns(), {"abdomen3", "height", "abdomen2"}), kOneSiteWoman)),
            "height: The roster has no columns height, abdomen2, abdomen3, which this one-site row reads.");
  EXPECT_EQ(RefusalOf(Evaluate(Without(AllColumns(), {"wrist1", "hips2"}), kMultiSiteWoman)),
            "hips2: The roster has no columns hips2, wrist1, which this multi-site row reads.");
  // Without its sex a row cannot say which measurements it reads: it names what it can.
  EXPECT_EQ(RefusalOf(Evaluate(Without(AllColumns(), {"sex"}), kMultiSiteMan)),
            "sex: The roster has no column sex, which this multi-site row reads.");
  EXPECT_EQ(RefusalOf(Evaluate(Without(AllColumns(), {"sex", "name"}), kOneSiteMan)),
            "name: The roster has no columns name, sex, which this one-site row reads.");
}

TEST_F(MissingColumns, ARowWhoseMethodOrSexCannotBeReadIsRefusedForItAsBefore) {
  const QStringList dataPageOnly = {"name", "rank", "ssan", "sex", "age", "weight", "height", "method"};
  Values oddMethod = kMultiSiteMan;
  oddMethod["method"] = "tape";
  EXPECT_EQ(RefusalOf(Evaluate(dataPageOnly, oddMethod)), "method: The method is one-site or multi-site.");
  Values oddSex = kMultiSiteMan;
  oddSex["sex"] = "X";
  EXPECT_EQ(RefusalOf(Evaluate(dataPageOnly, oddSex)), "sex: Invalid input value. (male or female (m or f))");
  // Without its method column a roster is multi-site, and its rows read their sex's sets.
  EXPECT_EQ(RefusalOf(Evaluate(Without(dataPageOnly, {"method"}), kMultiSiteMan)),
            "neck1: The roster has no columns neck1, neck2, neck3, abdomen1, abdomen2, abdomen3, which this "
            "multi-site row reads.");
}
