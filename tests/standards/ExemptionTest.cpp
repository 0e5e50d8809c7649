// The exemption from the body fat standard by the fitness test, on the shipped EXEMPT.TBL:
// the boundaries of the points and of the test's validity for each component, month ends,
// the sentences shown, and the components and events as rosters name them.

#include "standards/Calculate.h"
#include "standards/Exemption.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace std::chrono;

CalendarDate Date(const char* iso) { return ParseIsoDate(iso).value(); }

FitnessTest Scored(const char* date, std::array<int32_t, kAftEventCount> points) { return {Date(date), points}; }

class ExemptionTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadTables(CORVANE_SOURCE_DIR); }
};

TEST_F(ExemptionTest, TotalFrom465) {
  const auto at464 = DecideExemption(Scored("2026-03-02", {93, 93, 93, 93, 92}), Component::Regular, Date("2026-04-01"));
  EXPECT_FALSE(at464.exempt);
  EXPECT_TRUE(at464.totalUnder);
  EXPECT_TRUE(at464.eventsUnder.empty());
  EXPECT_EQ(at464.ExemptUntil(), std::nullopt);
  EXPECT_EQ(at464.validUntil, Date("2026-11-02"));
  EXPECT_EQ(DescribeExemption(at464), "No exemption: the fitness test scored 464 points in total, under 465.");

  const auto at465 = DecideExemption(Scored("2026-03-02", {93, 93, 93, 93, 93}), Component::Regular, Date("2026-04-01"));
  EXPECT_TRUE(at465.exempt);
  EXPECT_FALSE(at465.totalUnder);
  EXPECT_EQ(at465.ExemptUntil(), Date("2026-11-02"));
}

// Each event by the name the sentence gives it.
TEST_F(ExemptionTest, EachEventFrom80) {
  const std::pair<AftEvent, std::string> events[] = {
      {AftEvent::Deadlift, "deadlift"}, {AftEvent::HandReleasePushUp, "hand-release push-up"},
      {AftEvent::SprintDragCarry, "sprint-drag-carry"}, {AftEvent::Plank, "plank"}, {AftEvent::TwoMileRun, "two-mile run"}};
  for (const auto& [event, name] : events) {
    std::array<int32_t, kAftEventCount> points{100, 100, 100, 100, 100};
    points[static_cast<std::size_t>(event)] = 79;
    const auto at79 = DecideExemption(Scored("2026-03-02", points), Component::Regular, Date("2026-03-02"));
    EXPECT_FALSE(at79.exempt) << name;
    EXPECT_FALSE(at79.totalUnder) << name;
    EXPECT_EQ(at79.eventsUnder, std::vector{event});
    EXPECT_EQ(DescribeExemption(at79), "No exemption: the " + name + " scored 79 points, under 80.");

    points[static_cast<std::size_t>(event)] = 80;
    EXPECT_TRUE(DecideExemption(Scored("2026-03-02", points), Component::Regular, Date("2026-03-02")).exempt) << name;
  }
}

TEST_F(ExemptionTest, ValidThroughTheLastDayOfEachComponent) {
  const struct {
    Component component;
    const char* lastDay;
    const char* dayAfter;
  } cases[] = {
      {Component::Regular, "2026-11-02", "2026-11-03"},
      {Component::Agr, "2026-11-02", "2026-11-03"},
      {Component::Guard, "2027-03-02", "2027-03-03"},
      {Component::Reserve, "2027-03-02", "2027-03-03"},
  };
  const FitnessTest test = Scored("2026-03-02", {97, 97, 97, 97, 97});
  for (const auto& c : cases) {
    const std::string name(ComponentName(c.component));
    const auto onTestDay = DecideExemption(test, c.component, Date("2026-03-02"));
    EXPECT_TRUE(onTestDay.exempt) << name;
    const auto lastDay = DecideExemption(test, c.component, Date(c.lastDay));
    EXPECT_TRUE(lastDay.exempt) << name;
    EXPECT_EQ(lastDay.ExemptUntil(), Date(c.lastDay)) << name;
    EXPECT_EQ(DescribeExemption(lastDay), "Exempt from the body fat standard (fitness test 485 on 2026-03-02, valid until " +
                                              std::string(c.lastDay) + ")")
        << name;

    const auto dayAfter = DecideExemption(test, c.component, Date(c.dayAfter));
    EXPECT_FALSE(dayAfter.exempt) << name;
    EXPECT_TRUE(dayAfter.tooOld) << name;
    EXPECT_EQ(dayAfter.ExemptUntil(), std::nullopt) << name;
    EXPECT_EQ(DescribeExemption(dayAfter),
              "No exemption: the fitness test of 2026-03-02 was valid until " + std::string(c.lastDay) + ".")
        << name;

    const auto dayBefore = DecideExemption(test, c.component, Date("2026-03-01"));
    EXPECT_FALSE(dayBefore.exempt) << name;
    EXPECT_TRUE(dayBefore.beforeTest) << name;
    EXPECT_EQ(DescribeExemption(dayBefore),
              "No exemption: the assessment of 2026-03-01 is dated before the fitness test of 2026-03-02.")
        << name;
  }
}

TEST_F(ExemptionTest, AtMonthEndsTheLastDayIsTheShortMonthsLast) {
  const struct {
    const char* tested;
    Component component;
    const char* lastDay;
    const char* dayAfter;
  } cases[] = {
      {"2026-01-31", Component::Regular, "2026-09-30", "2026-10-01"},
      {"2026-01-31", Component::Guard, "2027-01-31", "2027-02-01"},
      {"2025-06-30", Component::Agr, "2026-02-28", "2026-03-01"},
      {"2027-06-30", Component::Regular, "2028-02-29", "2028-03-01"},
      {"2028-02-29", Component::Reserve, "2029-02-28", "2029-03-01"},
      {"2026-05-31", Component::Regular, "2027-01-31", "2027-02-01"},
  };
  for (const auto& c : cases) {
    const FitnessTest test = Scored(c.tested, {90, 90, 95, 95, 95});
    const auto lastDay = DecideExemption(test, c.component, Date(c.lastDay));
    EXPECT_TRUE(lastDay.exempt) << c.tested;
    EXPECT_EQ(lastDay.ExemptUntil(), Date(c.lastDay)) << c.tested;
    EXPECT_FALSE(DecideExemption(test, c.component, Date(c.dayAfter)).exempt) << c.tested;
  }
}

TEST_F(ExemptionTest, NoTestNoExemption) {
  const auto decision = DecideExemption(std::nullopt, Component::Guard, Date("2026-03-02"));
  EXPECT_FALSE(decision.exempt);
  EXPECT_EQ(decision.validUntil, std::nullopt);
  EXPECT_EQ(decision.ExemptUntil(), std::nullopt);
  EXPECT_EQ(DescribeExemption(decision), "No exemption: no fitness test was given.");
}

TEST_F(ExemptionTest, EveryReasonIsNamed) {
  const auto two = DecideExemption(Scored("2025-01-10", {75, 100, 100, 79, 100}), Component::Regular, Date("2025-09-11"));
  EXPECT_EQ(two.eventsUnder, (std::vector{AftEvent::Deadlift, AftEvent::Plank}));
  EXPECT_EQ(DescribeExemption(two),
            "No exemption: the deadlift scored 75 points and the plank 79 points, each under 80; "
            "the fitness test scored 454 points in total, under 465; "
            "the fitness test of 2025-01-10 was valid until 2025-09-10.");

  const auto three = DecideExemption(Scored("2025-01-10", {1, 100, 100, 79, 0}), Component::Reserve, Date("2025-01-09"));
  EXPECT_EQ(DescribeExemption(three),
            "No exemption: the deadlift scored 1 point, the plank 79 points and the two-mile run 0 points, each under 80; "
            "the fitness test scored 280 points in total, under 465; "
            "the assessment of 2025-01-09 is dated before the fitness test of 2025-01-10.");
}

TEST_F(ExemptionTest, PointsAndDatesOutsideTheirRangeAreRefused) {
  EXPECT_THROW(DecideExemption(Scored("2026-03-02", {101, 100, 100, 100, 100}), Component::Regular, Date("2026-03-02")),
               std::invalid_argument);
  EXPECT_THROW(DecideExemption(Scored("2026-03-02", {100, 100, 100, 100, -1}), Component::Regular, Date("2026-03-02")),
               std::invalid_argument);
  const FitnessTest noDay{year{2026} / 2 / 30, {100, 100, 100, 100, 100}};
  EXPECT_THROW(DecideExemption(noDay, Component::Regular, Date("2026-03-02")), std::invalid_argument);
  EXPECT_THROW(DecideExemption(std::nullopt, Component::Regular, year{2026} / 2 / 30), std::invalid_argument);
}

TEST_F(ExemptionTest, AChangedPolicyIsAChangedFile) {
  TableDir dir;
  dir.WriteRows("EXEMPT.TBL", "1 400\r\n2 60\r\n3 6\r\n4 9\r\n");
  LoadTables(dir.Base());
  const FitnessTest test = Scored("2026-01-31", {60, 80, 80, 80, 100});
  EXPECT_EQ(DecideExemption(test, Component::Regular, Date("2026-07-31")).ExemptUntil(), Date("2026-07-31"));
  EXPECT_FALSE(DecideExemption(test, Component::Regular, Date("2026-08-01")).exempt);
  EXPECT_EQ(DecideExemption(test, Component::Guard, Date("2026-10-31")).ExemptUntil(), Date("2026-10-31"));
  const FitnessTest lower = Scored("2026-01-31", {59, 80, 80, 80, 100});
  EXPECT_EQ(DescribeExemption(DecideExemption(lower, Component::Regular, Date("2026-02-01"))),
            "No exemption: the deadlift scored 59 points, under 60; the fitness test scored 399 points in total, under 400.");
}

TEST(ComponentTest, NamedAsRostersWriteThemInAnyCase) {
  EXPECT_EQ(ParseComponent(""), Component::Regular);
  EXPECT_EQ(ParseComponent("regular"), Component::Regular);
  EXPECT_EQ(ParseComponent("AGR"), Component::Agr);
  EXPECT_EQ(ParseComponent("Guard"), Component::Guard);
  EXPECT_EQ(ParseComponent("rEsErVe"), Component::Reserve);
  for (const char* text : {" guard", "guard ", "national guard", "active", "reserves", "r", "regulär"}) {
    EXPECT_EQ(ParseComponent(text), std::nullopt) << text;
  }
  for (Component component : {Component::Regular, Component::Agr, Component::Guard, Component::Reserve}) {
    EXPECT_EQ(ParseComponent(ComponentName(component)), component);
  }
}

TEST(FitnessTestTest, PointsAreWholeNumbersFrom0To100) {
  EXPECT_EQ(ParseEventPoints("0"), 0);
  EXPECT_EQ(ParseEventPoints("80"), 80);
  EXPECT_EQ(ParseEventPoints("080"), 80);
  EXPECT_EQ(ParseEventPoints("100"), 100);
  for (const char* text : {"", "101", "-1", "+80", "80.0", " 80", "80 ", "0100", "1e2", "eighty"}) {
    EXPECT_EQ(ParseEventPoints(text), std::nullopt) << text;
  }
}

}  // namespace
