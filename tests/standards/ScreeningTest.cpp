#include "standards/Calculate.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

namespace {

class ScreeningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Row r, column c holds r * 10 + c, so a value names its row and column.
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
    SoldierData.Weight = 0;
    EXPECT_FALSE(ExceedsScreeningWeight(sex).outside);
    return SoldierData.MaxWeight;
  }

  TableDir dir;
};

TEST_F(ScreeningTest, ColumnByBracketAndSex) {
  const struct {
    int age, column;
  } cases[] = {{17, 1}, {20, 1}, {21, 2}, {27, 2}, {28, 3}, {39, 3}, {40, 4}, {75, 4},
               {16, 4}, {0, 4}, {-3, 4}};
  for (const auto& c : cases) {
    EXPECT_EQ(MaxWeightFor(70, c.age, Sex::Male), 700 + c.column) << c.age;
    EXPECT_EQ(MaxWeightFor(70, c.age, Sex::Female), 704 + c.column) << c.age;
  }
}

TEST_F(ScreeningTest, HeightRoundsToTheNearestInchHalvesToEven) {
  EXPECT_EQ(MaxWeightFor(64.5, 25, Sex::Male), 642);
  EXPECT_EQ(MaxWeightFor(65.5, 25, Sex::Male), 662);
  EXPECT_EQ(MaxWeightFor(66.5, 25, Sex::Male), 662);
  EXPECT_EQ(MaxWeightFor(64.25, 25, Sex::Male), 642);
  EXPECT_EQ(MaxWeightFor(64.75, 25, Sex::Male), 652);
  EXPECT_EQ(MaxWeightFor(57.5, 25, Sex::Male), 582);
  EXPECT_EQ(MaxWeightFor(80.5, 25, Sex::Male), 802);
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
  SoldierData.MaxWeight = 123;
  SoldierData.Weight = 500;
  SoldierData.Age = 30;
  for (double height : {57.25, 80.75, 0.0, -64.0, 99.99}) {
    SoldierData.Height = height;
    const ScreeningResult result = ExceedsScreeningWeight(Sex::Female);
    ASSERT_TRUE(result.outside) << height;
    EXPECT_FALSE(result.exceeds);
    EXPECT_EQ(result.outside->value, height);
    EXPECT_EQ(SoldierData.MaxWeight, 123);
  }
  EXPECT_EQ(DescribeOutOfTable(*ExceedsScreeningWeight(Sex::Male).outside),
            "Height 99.99 is outside the table's range of 57.50 to 80.50 inches.");
}

}  // namespace
