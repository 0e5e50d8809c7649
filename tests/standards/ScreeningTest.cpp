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
    SoldierData = TSoldierData{};
  }

  int MaxWeightFor(double height, int age, Sex sex) {
    SoldierData.Height = height;
    SoldierData.Age = age;
    EXPECT_FALSE(ExceedsScreeningWeight(sex).outside);
    return SoldierData.MaxWeight;
  }

  TableDir dir;
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
  SoldierData.Height = 70;
  SoldierData.Age = 30;
  SoldierData.Weight = 703;
  EXPECT_FALSE(ExceedsScreeningWeight(Sex::Male).exceeds);
  SoldierData.Weight = 704;
  EXPECT_TRUE(ExceedsScreeningWeight(Sex::Male).exceeds);
}

TEST_F(ScreeningTest, HeightOutsideTheTableLeavesMaxWeight) {
  SoldierData = {.Weight = 500, .Age = 30, .MaxWeight = 123};
  for (double height : {57.25, 80.75, 0.0, -64.0, 99.99}) {
    SoldierData.Height = height;
    const ScreeningResult result = ExceedsScreeningWeight(Sex::Female);
    ASSERT_TRUE(result.outside) << height;
    EXPECT_FALSE(result.exceeds);
    EXPECT_EQ(SoldierData.MaxWeight, 123);
  }
  EXPECT_EQ(DescribeOutOfTable(*ExceedsScreeningWeight(Sex::Male).outside),
            "Height 99.99 is outside the table's range of 57.50 to 80.50 inches.");
}

}  // namespace
