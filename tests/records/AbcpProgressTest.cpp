// The ABCP progress over one soldier's assessments, at the edges of each rule.

#include "records/AbcpProgress.h"
#include "tests/records/SampleRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using P = AbcpProgress;

// A history built a month at a time (or at given dates) from weights and body fats; the
// maximum is 26.00, so 26.01 and above is not within.
class History {
 public:
  History& At(QDate date, int weight, double bodyFat) {
    records_.push_back(MultiSiteMan("DOE JOHN", QString(), date, weight, bodyFat));
    return *this;
  }
  History& Next(int weight, double bodyFat) {
    return At(records_.empty() ? QDate(2026, 1, 15) : records_.back().date.addMonths(1), weight, bodyFat);
  }
  History& Exempt(int weight, double bodyFat) {
    Next(weight, bodyFat);
    AssessmentRecord& last = records_.back();
    const FitnessTest test{.date = CalendarDateOf(last.date), .points = {90, 90, 90, 90, 90}};
    last.exemption = FitnessExemption{.test = test, .exempt = true, .exemptUntil = PlusMonths(test.date, 6)};
    return *this;
  }
  History& Supplemental(int weight, double tapeBodyFat, int tenths) {
    Next(weight, tapeBodyFat);
    records_.back() = WithExemptionAndSupplemental(records_.back(), false, tenths);
    return *this;
  }
  std::vector<P> Progress() const { return AbcpProgressOf(records_); }

 private:
  std::vector<AssessmentRecord> records_;
};

TEST(AbcpProgress, NoneUntilTheFirstAssessmentNotWithinWhichEnrols) {
  EXPECT_EQ(History().Next(180, 20.00).Next(181, 26.00).Next(183, 26.01).Next(182, 27.0).Progress(),
            (std::vector<P>{P::None, P::None, P::Enrolled, P::Unsatisfactory}));
  EXPECT_TRUE(History().Progress().empty());
}

TEST(AbcpProgress, ThreePoundsDownIsSatisfactoryTwoAreNot) {
  // Weights are whole pounds: below 3.0 lb down the next value is 2 lb.
  EXPECT_EQ(History().Next(200, 30.00).Next(197, 30.00).Progress(), (std::vector<P>{P::Enrolled, P::Satisfactory}));
  EXPECT_EQ(History().Next(200, 30.00).Next(198, 30.00).Progress(), (std::vector<P>{P::Enrolled, P::Unsatisfactory}));
  // A gain of weight is no progress, nor is the same weight.
  EXPECT_EQ(History().Next(200, 30.00).Next(203, 30.00).Progress(), (std::vector<P>{P::Enrolled, P::Unsatisfactory}));
}

TEST(AbcpProgress, OnePercentagePointDownIsSatisfactoryNinetyNineHundredthsAreNot) {
  EXPECT_EQ(History().Next(200, 30.00).Next(200, 29.00).Progress(), (std::vector<P>{P::Enrolled, P::Satisfactory}));
  EXPECT_EQ(History().Next(200, 30.00).Next(200, 29.01).Progress(), (std::vector<P>{P::Enrolled, P::Unsatisfactory}));
  // Compared as shown: 29.005 shows as 29.01 (half away from zero), 0.99 below 30.00.
  EXPECT_EQ(History().Next(200, 30.00).Next(200, 29.005).Progress(), (std::vector<P>{P::Enrolled, P::Unsatisfactory}));
  // 28.994999 shows as 28.99: 1.01 down.
  EXPECT_EQ(History().Next(200, 30.00).Next(200, 28.994999).Progress(), (std::vector<P>{P::Enrolled, P::Satisfactory}));
}

TEST(AbcpProgress, ProgressIsAgainstTheAssessmentJustBeforeNotTheEnrolment) {
  // 200 -> 197 -> 196: 4 lb below the enrolment, but only 1 below the month before.
  EXPECT_EQ(History().Next(200, 30.00).Next(197, 30.00).Next(196, 30.00).Progress(),
            (std::vector<P>{P::Enrolled, P::Satisfactory, P::Unsatisfactory}));
}

TEST(AbcpProgress, TheSecondUnsatisfactoryInARowFails) {
  EXPECT_EQ(History().Next(200, 30).Next(200, 30).Next(200, 30).Next(200, 30).Progress(),
            (std::vector<P>{P::Enrolled, P::Unsatisfactory, P::Failing, P::Failing}));
  // A satisfactory one in between breaks the row.
  EXPECT_EQ(History().Next(200, 30).Next(200, 30).Next(196, 30).Next(196, 30).Progress(),
            (std::vector<P>{P::Enrolled, P::Unsatisfactory, P::Satisfactory, P::Unsatisfactory}));
}

// Three unsatisfactory ones, never two in a row, the third on the given date.
History ThirdUnsatisfactoryOn(QDate enrolment, QDate third) {
  History history;
  history.At(enrolment, 230, 32)
      .At(enrolment.addDays(20), 230, 32)  // 1
      .At(enrolment.addDays(40), 226, 32)
      .At(enrolment.addDays(60), 226, 32)  // 2
      .At(enrolment.addDays(80), 222, 32)
      .At(third, 222, 32);                 // 3
  return history;
}

TEST(AbcpProgress, AThirdUnsatisfactorySixCalendarMonthsAfterTheEnrolmentFails) {
  const std::vector<P> before = {P::Enrolled, P::Unsatisfactory, P::Satisfactory, P::Unsatisfactory, P::Satisfactory,
                                 P::Unsatisfactory};
  std::vector<P> after = before;
  after.back() = P::Failing;
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2026, 1, 15), QDate(2026, 7, 14)).Progress(), before);
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2026, 1, 15), QDate(2026, 7, 15)).Progress(), after);
  // At a month's end: 31 January is followed six months later by 31 July...
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2026, 1, 31), QDate(2026, 7, 30)).Progress(), before);
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2026, 1, 31), QDate(2026, 7, 31)).Progress(), after);
  // ...and 31 August by the last day of February, 28 or 29.
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2026, 8, 31), QDate(2027, 2, 27)).Progress(), before);
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2026, 8, 31), QDate(2027, 2, 28)).Progress(), after);
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2027, 8, 31), QDate(2028, 2, 28)).Progress(), before);
  EXPECT_EQ(ThirdUnsatisfactoryOn(QDate(2027, 8, 31), QDate(2028, 2, 29)).Progress(), after);
}

TEST(AbcpProgress, SixMonthsWithFewerThanThreeUnsatisfactoryIsNotFailing) {
  // Two unsatisfactory ones, the second eight months after the enrolment.
  History history;
  history.At(QDate(2026, 1, 15), 230, 32)
      .At(QDate(2026, 2, 15), 230, 32)
      .At(QDate(2026, 3, 15), 226, 32)
      .At(QDate(2026, 9, 15), 226, 32);
  EXPECT_EQ(history.Progress(), (std::vector<P>{P::Enrolled, P::Unsatisfactory, P::Satisfactory, P::Unsatisfactory}));
}

TEST(AbcpProgress, WithinAgainReleasesAndASecondEnrolmentStartsAfresh) {
  // The first enrolment has two unsatisfactory ones; the second starts from none, and its
  // months count from its own enrolment.
  History history;
  history.At(QDate(2026, 1, 10), 230, 32)
      .At(QDate(2026, 2, 10), 230, 32)  // unsatisfactory 1
      .At(QDate(2026, 3, 10), 226, 32)
      .At(QDate(2026, 4, 10), 226, 32)  // unsatisfactory 2
      .At(QDate(2026, 5, 10), 200, 25)  // released
      .At(QDate(2026, 6, 10), 200, 25)
      .At(QDate(2026, 8, 10), 210, 27)  // enrolled again
      .At(QDate(2026, 9, 10), 210, 27);
  EXPECT_EQ(history.Progress(), (std::vector<P>{P::Enrolled, P::Unsatisfactory, P::Satisfactory, P::Unsatisfactory,
                                                P::Released, P::None, P::Enrolled, P::Unsatisfactory}));
}

TEST(AbcpProgress, AnExemptAssessmentReleasesAndNeverEnrols) {
  EXPECT_EQ(History().Next(200, 30).Exempt(200, 30).Exempt(200, 30).Next(200, 30).Progress(),
            (std::vector<P>{P::Enrolled, P::Released, P::None, P::Enrolled}));
}

TEST(AbcpProgress, TheSupplementalResultDecidesAndIsTheBodyFatCompared) {
  // The tape says 30.00 (not within); the supplemental 25.9 (within): no enrolment.
  EXPECT_EQ(History().Supplemental(200, 30, 259).Progress(), (std::vector<P>{P::None}));
  // The tape says 25.00 (within); the supplemental 26.1 (not within): enrolled.
  EXPECT_EQ(History().Supplemental(200, 25, 261).Progress(), (std::vector<P>{P::Enrolled}));
  // Enrolled at 30.00 by the tape; next month the tape says 29.50, the supplemental 29.0:
  // 1.00 point down by the body fat that counts.
  EXPECT_EQ(History().Next(200, 30).Supplemental(200, 29.5, 290).Progress(),
            (std::vector<P>{P::Enrolled, P::Satisfactory}));
  EXPECT_EQ(History().Next(200, 30).Supplemental(200, 28, 291).Progress(),
            (std::vector<P>{P::Enrolled, P::Unsatisfactory}));
}

TEST(AbcpProgress, OneSiteBodyFatCountsInWholePercents) {
  std::vector<AssessmentRecord> history = {OneSiteMan("DOE", QString(), QDate(2026, 1, 5), 200, 30),
                                           OneSiteMan("DOE", QString(), QDate(2026, 2, 5), 200, 29),
                                           OneSiteMan("DOE", QString(), QDate(2026, 3, 5), 199, 29)};
  EXPECT_EQ(AbcpProgressOf(history), (std::vector<P>{P::Enrolled, P::Satisfactory, P::Unsatisfactory}));
}

}  // namespace
