#include "standards/Calculate.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

namespace {

class ScreeningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Row r, column c holds 10 r + c, so a weight names its row and column.
    std::string rows;
    for (int height = 58; height <= 80; ++height) {
      rows += std::to_string(height);
      for (int column = 1; column <= 8; ++column) rows += " " + std::to_string(height * 10 + column);
      rows += "\r\n";
    }
    dir.WriteRows("SCREEN.TBL", rows);
    LoadTables(dir.Base());
  }

  int MaxWeightFor(double height, int age, Sex sex) {
    soldier.Height = height;
    soldier.Age = age;
    EXPECT_FALSE(ExceedsScreeningWeight(soldier, sex).outside);
    return soldier.MaxWeight;
  }

  TableDir dir;
  TSoldierData soldier;
};

TEST_F(ScreeningTest, ColumnByBracketAndSex) {
  const int columnForAge[][2] = {{17, 1}, {20, 1}, {21, 2}, {27, 2}, {28, 3},
                                 {39, 3}, {40, 4}, {16, 4}, {0, 4}};
  for (const auto& [age, column] : columnForAge) {
    EXPECT_EQ(MaxWeightFor(70, age, Sex::Male), 700 + column) << age;
    EXPECT_EQ(MaxWeightFor(70, age, Sex::Female), 704 + column) << age;
  }
}

TEST_F(ScreeningTest, HeightRoundsToTheNearestInchHalvesToEven) {
  const double rowForHeight[][2] = {{64.5, 64}, {65.5, 66}, {66.5, 66}, {64.25, 64},
                                    {64.75, 65}, {57.5, 58}, {80.5, 80}};
  for (const auto& [height, row] : rowForHeight) {
    EXPECT_EQ(MaxWeightFor(height, 25, Sex::Male), row * 10 + 2) << height;
  }
}

TEST_F(ScreeningTest, WeightEqualToTheTableIsWithin) {
  soldier.Height = 70;
  soldier.Age = 30;
  soldier.Weight = 703;
  EXPECT_FALSE(ExceedsScreeningWeight(soldier, Sex::Male).exceeds);
  soldier.Weight = 704;
  EXPECT_TRUE(ExceedsScreeningWeight(soldier, Sex::Male).exceeds);
}

TEST_F(ScreeningTest, HeightOutsideTheTableLeavesMaxWeight) {
  soldier = {.Weight = 500, .Age = 30, .MaxWeight = 123};
  for (double height : {57.25, 80.75, 0.0, -64.0, 99.99}) {
    soldier.Height = height;
    const ScreeningResult result = ExceedsScreeningWeight(soldier, Sex::Female);
    ASSERT_TRUE(result.outside) << height;
    EXPECT_FALSE(result.exceeds);
    EXPECT_EQ(soldier.MaxWeight, 123);
  }
  EXPECT_EQ(DescribeOutOfTable(*ExceedsScreeningWeight(soldier, Sex::Male).outside),
            "Height 99.99 is outside the table's range of 57.50 to 80.50 inches.");
}

// The screening writes the maximum weight of the record it is given, and of no other.
TEST_F(ScreeningTest, EachRecordGetsItsOwnMaximumWeight) {
  TSoldierData man{.Height = 70, .Weight = 703, .Age = 30};
  TSoldierData woman{.Height = 64, .Weight = 700, .Age = 19};
  EXPECT_FALSE(ExceedsScreeningWeight(man, Sex::Male).exceeds);
  EXPECT_TRUE(ExceedsScreeningWeight(woman, Sex::Female).exceeds);
  EXPECT_EQ(man.MaxWeight, 703);
  EXPECT_EQ(woman.MaxWeight, 645);
}

}  // namespace
