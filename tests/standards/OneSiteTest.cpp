// The one-site tape method on the shipped tables: hand-worked results for both sexes at the
// rounding edges, the fourth measurement, and reading ONESITE.TBL exactly.

#include "standards/Calculate.h"
#include "standards/OneSite.h"
#include "standards/Tables.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class OneSiteTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadTables(CORVANE_SOURCE_DIR); }
};

struct Case {
  Sex sex;
  int age;
  int weight;
  std::vector<double> abdomen;
  const char* exactAverage;
  const char* average;
  const char* bodyFat;  // unrounded, two decimals
  int rounded;
  int maximum;
  bool within;
};

// Worked by hand from -26.97 - 0.12 w + 1.99 a (men) and -9.15 - 0.015 w + 1.27 a (women),
// maxima 20 (men) and 30 (women) at ages 17 to 20, 22 and 32 at 21 to 27.
TEST_F(OneSiteTest, HandWorkedResults) {
  const Case cases[] = {
      // 34.33 rounds down to 34.0: -26.97 - 21.60 + 67.66 = 19.09
      {Sex::Male, 20, 180, {34.0, 34.5, 34.5}, "34.33", "34.00", "19.09", 19, 20, true},
      // 34.83 rounds down to 34.5: -26.97 - 21.60 + 68.655 = 20.085, the maximum 20
      {Sex::Male, 20, 180, {34.5, 35.0, 35.0}, "34.83", "34.50", "20.08", 20, 20, true},
      // 19.5 exactly (binary floating point makes it 19.499999...) rounds up to 20 = maximum
      {Sex::Male, 20, 160, {33.0, 33.0, 33.0}, "33.00", "33.00", "19.50", 20, 20, true},
      // 20.5: 21 is one percent over the maximum
      {Sex::Male, 20, 218, {37.0, 37.0, 37.0}, "37.00", "37.00", "20.50", 21, 20, false},
      {Sex::Male, 25, 243, {38.0, 38.0, 38.0}, "38.00", "38.00", "19.49", 19, 22, true},
      // 19.495 shows cut to 19.49 and rounds to 19
      {Sex::Male, 25, 102, {29.5, 29.5, 29.5}, "29.50", "29.50", "19.49", 19, 22, true},
      // -9.15 - 2.10 + 31.75 = 20.50
      {Sex::Female, 25, 140, {25.0, 25.0, 25.0}, "25.00", "25.00", "20.50", 21, 32, true},
      // -9.15 - 2.265 + 41.91 = 30.495: 30, the maximum
      {Sex::Female, 20, 151, {33.0, 33.0, 33.0}, "33.00", "33.00", "30.49", 30, 30, true},
      // -9.15 - 2.085 + 38.735 = 27.5
      {Sex::Female, 20, 139, {30.5, 30.5, 30.5}, "30.50", "30.50", "27.50", 28, 30, true},
      // -9.15 - 1.50 + 57.15 = 46.5, 47 over 30
      {Sex::Female, 20, 100, {45.0, 45.0, 45.0}, "45.00", "45.00", "46.50", 47, 30, false},
  };
  for (const Case& c : cases) {
    const auto result = ComputeOneSiteBodyFat(c.sex, c.age, c.weight, c.abdomen);
    ASSERT_TRUE(result) << c.weight;
    EXPECT_EQ(FormatAverageOfThree(result->sumOfThree), c.exactAverage) << c.weight;
    EXPECT_EQ(FormatHalfInches(result->averageHalfInches), c.average) << c.weight;
    EXPECT_EQ(FormatBodyFat(result->bodyFat), c.bodyFat) << c.weight;
    EXPECT_EQ(result->roundedBodyFat, c.rounded) << c.weight;
    EXPECT_EQ(result->maxBodyFat, c.maximum) << c.weight;
    EXPECT_EQ(result->within, c.within) << c.weight;
  }
}

TEST_F(OneSiteTest, MeasurementsComeToTheNearestHalfInch) {
  EXPECT_EQ(ToHalfInches(34.24), 68);
  EXPECT_EQ(ToHalfInches(34.25), 69);  // a quarter goes up
  EXPECT_EQ(ToHalfInches(34.74), 69);
  EXPECT_EQ(ToHalfInches(34.75), 70);
  EXPECT_EQ(ToHalfInches(34.99), 70);
  const auto result = ComputeOneSiteBodyFat(Sex::Male, 20, 180, std::vector{34.24, 34.25, 34.3});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->halfInches, (std::array<int32_t, 4>{68, 69, 69, 0}));
}

TEST_F(OneSiteTest, FourthMeasurementOnlyPastOneInch) {
  // Taken as 34.00, 35.50, 34.50: 1.25 apart as typed, 1.50 on the half inch.
  EXPECT_TRUE(NeedsFourthMeasurement(std::array{34.0, 35.25, 34.5}));
  EXPECT_FALSE(NeedsFourthMeasurement(std::array{34.0, 35.0, 34.5}));
  EXPECT_FALSE(ComputeOneSiteBodyFat(Sex::Male, 20, 180, std::vector{34.0, 35.25, 34.5}));

  // Not needed: a fourth is ignored.
  auto result = ComputeOneSiteBodyFat(Sex::Male, 20, 180, std::vector{34.0, 35.0, 34.5, 40.0});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->count, 3);
  EXPECT_EQ(result->setAside, -1);
  EXPECT_EQ(result->averageHalfInches, 69);
}

TEST_F(OneSiteTest, TheThreeClosestOfFour) {
  const struct {
    std::vector<double> taken;
    int setAside;
    int average;  // half inches
  } cases[] = {
      {{34.0, 36.0, 34.5, 34.5}, 1, 68},  // the high one off: 34.33 -> 34.0
      {{36.0, 34.0, 36.5, 36.0}, 1, 72},  // the low one off: 36.17 -> 36.0
      {{34.0, 35.5, 35.0, 34.5}, 1, 69},  // 34-35 and 34.5-35.5 alike: the highest off
      {{35.5, 34.0, 34.0, 34.0}, 0, 68},
  };
  for (const auto& c : cases) {
    const auto result = ComputeOneSiteBodyFat(Sex::Female, 30, 150, c.taken);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->count, 4);
    EXPECT_EQ(result->setAside, c.setAside) << c.taken[1];
    EXPECT_EQ(result->averageHalfInches, c.average) << c.taken[1];
  }
}

TEST_F(OneSiteTest, RefusesWhatItCannotWork) {
  EXPECT_THROW(ComputeOneSiteBodyFat(Sex::Male, 20, 180, std::vector{34.0, 34.0}), std::invalid_argument);
  EXPECT_THROW(ComputeOneSiteBodyFat(Sex::Male, 20, 180, std::vector{34.0, 0.0, 34.0}), std::invalid_argument);
  EXPECT_THROW(ComputeOneSiteBodyFat(Sex::Male, 20, 100000, std::vector{34.0, 34.0, 34.0}),
               std::invalid_argument);
}

TEST(OneSiteTable, CoefficientsAreReadExactly) {
  TableDir dir;
  dir.WriteRows("ONESITE.TBL", "1 -26.97 -0.12 1.99 men\r\n2 -9.15 -1.5e-2 127E-2\r\n7 1 1 1\r\n");
  LoadTables(dir.Base());
  EXPECT_EQ(OneSiteTable.At(1).Intercept, -269700);
  EXPECT_EQ(OneSiteTable.At(1).PerPound, -1200);
  EXPECT_EQ(OneSiteTable.At(1).PerInch, 19900);
  EXPECT_EQ(OneSiteTable.At(2).PerPound, -150);
  EXPECT_EQ(OneSiteTable.At(2).PerInch, 12700);
  EXPECT_EQ(FormatCoefficientMagnitude(OneSiteTable.At(2).PerPound), "0.015");
  EXPECT_EQ(FormatCoefficientMagnitude(OneSiteTable.At(1).Intercept), "26.97");
}

TEST(OneSiteTable, CoefficientsBeyondTheirPlacesOrDigitsStopLoading) {
  const struct {
    std::string rows;
    const char* message;
  } cases[] = {
      {"1 -26.97 -0.12 1.99x\r\n", "line 6: bad number \"1.99x\""},
      {"2 1 1 1\r\n1 -26.97 -0.12345 1.99\r\n", "line 7: bad number \"-0.12345\""},  // past 4 decimals
      {"1 100000000 0 0\r\n", "line 6: bad number \"100000000\""},                     // too large
  };
  for (const auto& c : cases) {
    TableDir dir;
    dir.WriteRows("ONESITE.TBL", c.rows);
    try {
      LoadTables(dir.Base());
      ADD_FAILURE() << c.rows << ": no error";
    } catch (const TableLoadError& error) {
      EXPECT_EQ(error.what(), dir.Shown("ONESITE.TBL") + ": " + c.message);
    }
  }
}

}  // namespace
