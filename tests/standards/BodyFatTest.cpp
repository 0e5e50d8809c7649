#include "standards/Calculate.h"
#include "standards/NumberFormat.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void SetMan(int age, double height, std::array<double, 3> waist, std::array<double, 3> neck) {
  SoldierData.Age = age;
  SoldierData.Height = height;
  SoldierData.Waist = waist;
  SoldierData.MNeck = neck;
}

// The woman of the worked example; tests change one value at a time.
void SetWoman() {
  SoldierData.Age = 25;
  SoldierData.Weight = 140;
  SoldierData.Height = 64;
  SoldierData.Hips = {38.25, 38.5, 38.25};
  SoldierData.Arm = {9.5, 9.75, 9.75};
  SoldierData.FNeck = {13, 13, 13.25};
  SoldierData.Wrist = {6, 6, 6.25};
}

// Every field a computation or the screening check writes.
std::vector<double> Results() {
  const TSoldierData& s = SoldierData;
  return {s.AbdNeckFactor, s.HeightFactor, s.HipFactor, s.ForearmFactor, s.NeckFactor,
          s.WeightFactor,  s.WristFactor,  s.BodyFat,   s.MaxBodyFat,    double(s.MaxWeight),
          s.AvgWaist,      s.AvgArm,       s.AvgWrist,  s.AvgHips,       s.AvgNeck};
}

class BodyFatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadTables(CORVANE_SOURCE_DIR);
    SoldierData = TSoldierData{};
  }
};

TEST_F(BodyFatTest, WorkedManWithShippedTables) {
  SetMan(25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  ASSERT_FALSE(ComputeMaleBodyFat());
  EXPECT_EQ(SoldierData.AvgWaist, 34.75);
  EXPECT_EQ(SoldierData.AvgNeck, 15.5);
  EXPECT_EQ(SoldierData.AbdNeckFactor, 176.13);
  EXPECT_EQ(SoldierData.HeightFactor, 154.78);
  EXPECT_EQ(SoldierData.BodyFat, 176.13 - 154.78);
  EXPECT_EQ(FormatFixed2(SoldierData.BodyFat), "21.35");
  EXPECT_EQ(SoldierData.MaxBodyFat, 22);
}

TEST_F(BodyFatTest, WorkedWomanWithShippedTables) {
  SetWoman();
  ASSERT_FALSE(ComputeFemaleBodyFat());
  EXPECT_EQ(SoldierData.AvgHips, 38.25);
  EXPECT_EQ(SoldierData.AvgArm, 9.75);
  EXPECT_EQ(SoldierData.AvgNeck, 13.0);
  EXPECT_EQ(SoldierData.AvgWrist, 6.0);
  EXPECT_EQ(SoldierData.WeightFactor, 154.23);
  EXPECT_EQ(SoldierData.HipFactor, 16.81);
  EXPECT_EQ(SoldierData.HeightFactor, 83.72);
  EXPECT_EQ(SoldierData.ForearmFactor, 38.98);
  EXPECT_EQ(SoldierData.NeckFactor, 17.60);
  EXPECT_EQ(SoldierData.WristFactor, 3.05);
  EXPECT_EQ(FormatFixed2(SoldierData.BodyFat), "27.69");
  EXPECT_EQ(SoldierData.MaxBodyFat, 32);
}

TEST_F(BodyFatTest, MaximumFollowsTheAgeBracket) {
  const struct {
    int age;
    double men, women;
  } cases[] = {{16, 20, 30}, {20, 20, 30}, {21, 22, 32}, {27, 22, 32},
               {28, 24, 34}, {39, 24, 34}, {40, 26, 36}, {90, 26, 36}};
  for (const auto& c : cases) {
    SetMan(c.age, 70.5, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5});
    ASSERT_FALSE(ComputeMaleBodyFat());
    EXPECT_EQ(SoldierData.MaxBodyFat, c.men) << c.age;
    SetWoman();
    SoldierData.Age = c.age;
    ASSERT_FALSE(ComputeFemaleBodyFat());
    EXPECT_EQ(SoldierData.MaxBodyFat, c.women) << c.age;
  }
}

TEST_F(BodyFatTest, MaleValuesOutsideTheirTables) {
  const struct {
    double height;
    std::array<double, 3> waist, neck;
    const char* message;
  } cases[] = {
      {70.5, {20, 20, 20}, {15.5, 15.5, 15.5},
       "Abdomen minus neck 4.50 is outside the table's range of 5.00 to 40.75 inches."},
      {70.5, {15, 15, 15}, {16, 16, 16},
       "Abdomen minus neck -1.00 is outside the table's range of 5.00 to 40.75 inches."},
      {70.5, {}, {},
       "Abdomen minus neck 0.00 is outside the table's range of 5.00 to 40.75 inches."},
      {70.5, {56.5, 56.5, 56.5}, {15.5, 15.5, 15.5},
       "Abdomen minus neck 41.00 is outside the table's range of 5.00 to 40.75 inches."},
      {59.75, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5},
       "Height 59.75 is outside the table's range of 60.00 to 84.75 inches."},
      {85, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5},
       "Height 85.00 is outside the table's range of 60.00 to 84.75 inches."},
      {0, {0, 0, 0}, {0, 0, 0},  // both outside: the first one read is reported
       "Abdomen minus neck 0.00 is outside the table's range of 5.00 to 40.75 inches."},
  };
  SetMan(25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  ASSERT_FALSE(ComputeMaleBodyFat());
  SoldierData.MaxWeight = 180;
  const std::vector<double> before = Results();
  for (const auto& c : cases) {
    SetMan(33, c.height, c.waist, c.neck);
    const auto outside = ComputeMaleBodyFat();
    ASSERT_TRUE(outside) << c.message;
    EXPECT_EQ(DescribeOutOfTable(*outside), c.message);
    EXPECT_EQ(Results(), before) << c.message;
  }
  SetMan(33, 84.75, {45.75, 45.75, 45.75}, {5, 5, 5});  // both at the top of their tables
  EXPECT_FALSE(ComputeMaleBodyFat());
}

TEST_F(BodyFatTest, FemaleValuesOutsideTheirTables) {
  const struct {
    void (*change)();
    const char* message;
  } cases[] = {
      {[] { SoldierData.Weight = 89; },
       "Weight 89 is outside the table's range of 90 to 279 pounds."},
      {[] { SoldierData.Weight = 280; },
       "Weight 280 is outside the table's range of 90 to 279 pounds."},
      {[] { SoldierData.Height = 54.75; },
       "Height 54.75 is outside the table's range of 55.00 to 84.75 inches."},
      {[] { SoldierData.Hips = {29.75, 29.75, 29.75}; },
       "Average hips 29.75 is outside the table's range of 30.00 to 53.75 inches."},
      {[] { SoldierData.Hips = {54, 54, 54}; },
       "Average hips 54.00 is outside the table's range of 30.00 to 53.75 inches."},
      {[] { SoldierData.Arm = {16, 16, 16}; },
       "Average forearm 16.00 is outside the table's range of 5.00 to 15.75 inches."},
      {[] { SoldierData.FNeck = {4.75, 4.75, 4.75}; },
       "Average neck 4.75 is outside the table's range of 5.00 to 15.75 inches."},
      {[] { SoldierData.Wrist = {}; },
       "Average wrist 0.00 is outside the table's range of 5.00 to 15.75 inches."},
      {[] { SoldierData.Wrist = {}; SoldierData.Hips = {}; },  // the first one read wins
       "Average hips 0.00 is outside the table's range of 30.00 to 53.75 inches."},
  };
  SetWoman();
  ASSERT_FALSE(ComputeFemaleBodyFat());
  SoldierData.MaxWeight = 150;
  const std::vector<double> before = Results();
  for (const auto& c : cases) {
    SetWoman();
    SoldierData.Age = 45;
    c.change();
    const auto outside = ComputeFemaleBodyFat();
    ASSERT_TRUE(outside) << c.message;
    EXPECT_EQ(DescribeOutOfTable(*outside), c.message);
    EXPECT_EQ(Results(), before) << c.message;
  }
}

TEST(FemaleBodyFatPrecision, HeightToWristSumsInExtendedPrecision) {
  // 1e16 + 1 + 1 - 1e16 is 2 in 80-bit arithmetic but 0 in doubles.
  TableDir dir;
  dir.WriteRows("Table.B-3", "90 0 0 0 0 0 0 0 0 0 0\r\n");
  dir.WriteRows("Table.B-4", "64 1e16 0 0 0\r\n");
  dir.WriteRows("Table.B-5", "38 0.5 0 0 0\r\n");
  dir.WriteRows("Table.B-6", "9 1 1 1 1\r\n");
  dir.WriteRows("Table.B-7", "13 1 1 1 1\r\n");
  dir.WriteRows("Table.B-8", "6 -1e16 0 0 0\r\n");
  LoadTables(dir.Base());
  SoldierData = TSoldierData{};
  SetWoman();
  SoldierData.Weight = 90;
  SoldierData.Hips = {38, 38, 38};
  SoldierData.Arm = {9, 9, 9};
  ASSERT_FALSE(ComputeFemaleBodyFat());
  EXPECT_EQ(SoldierData.BodyFat, 0.5 - 2);
}

}  // namespace
