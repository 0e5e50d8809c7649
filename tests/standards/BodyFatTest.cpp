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

// Every field the computations and the screening check write.
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

  // Runs the computation on a value outside its table and checks what it reports and
  // that no result field moved.
  template <typename Compute>
  void ExpectOutside(Compute compute, const char* quantity, double value) {
    const std::vector<double> before = Results();
    const std::optional<OutOfTable> outside = compute();
    ASSERT_TRUE(outside) << quantity << " " << value;
    EXPECT_EQ(outside->quantity, quantity);
    EXPECT_EQ(outside->value, value);
    EXPECT_EQ(Results(), before) << quantity;
  }
};

TEST_F(BodyFatTest, WorkedResultsWithShippedTables) {
  const TSoldierData& s = SoldierData;
  SetMan(25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  ASSERT_FALSE(ComputeMaleBodyFat());
  EXPECT_EQ((std::vector{s.AvgWaist, s.AvgNeck, s.AbdNeckFactor, s.HeightFactor, s.MaxBodyFat}),
            (std::vector{34.75, 15.5, 176.13, 154.78, 22.0}));
  EXPECT_EQ(FormatFixed2(s.BodyFat), "21.35");

  SetWoman();
  ASSERT_FALSE(ComputeFemaleBodyFat());
  EXPECT_EQ((std::vector{s.AvgHips, s.AvgArm, s.AvgNeck, s.AvgWrist, s.MaxBodyFat}),
            (std::vector{38.25, 9.75, 13.0, 6.0, 32.0}));
  EXPECT_EQ((std::vector{s.WeightFactor, s.HipFactor, s.HeightFactor, s.ForearmFactor,
                         s.NeckFactor, s.WristFactor}),
            (std::vector{154.23, 16.81, 83.72, 38.98, 17.60, 3.05}));
  EXPECT_EQ(FormatFixed2(s.BodyFat), "27.69");
  EXPECT_EQ(s.AvgWaist, 34.75);  // the male results stay
}

TEST_F(BodyFatTest, MaximumFollowsTheAgeBracket) {
  const struct {
    int age;
    double men, women;
  } cases[] = {{16, 20, 30}, {20, 20, 30}, {21, 22, 32}, {27, 22, 32},
               {28, 24, 34}, {39, 24, 34}, {40, 26, 36}};
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
  SetMan(25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  ASSERT_FALSE(ComputeMaleBodyFat());
  SetMan(33, 70.5, {20, 20, 20}, {15.5, 15.5, 15.5});
  ExpectOutside(ComputeMaleBodyFat, "Abdomen minus neck", 4.5);
  SetMan(33, 70.5, {15, 15, 15}, {16, 16, 16});
  ExpectOutside(ComputeMaleBodyFat, "Abdomen minus neck", -1);
  SetMan(33, 0, {46, 46, 46}, {5, 5, 5});  // both outside: the first one read
  ExpectOutside(ComputeMaleBodyFat, "Abdomen minus neck", 41);
  SetMan(33, 59.75, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5});
  ExpectOutside(ComputeMaleBodyFat, "Height", 59.75);
  SetMan(33, 85, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5});
  ExpectOutside(ComputeMaleBodyFat, "Height", 85);
  SetMan(33, 84.75, {45.75, 45.75, 45.75}, {5, 5, 5});  // the last row of both tables
  EXPECT_FALSE(ComputeMaleBodyFat());
}

TEST_F(BodyFatTest, FemaleValuesOutsideTheirTables) {
  SetWoman();
  ASSERT_FALSE(ComputeFemaleBodyFat());
  const struct {
    void (*change)();
    const char* quantity;
    double value;
  } cases[] = {
      {[] { SoldierData.Weight = 89; }, "Weight", 89},
      {[] { SoldierData.Weight = 280; }, "Weight", 280},
      {[] { SoldierData.Height = 54.75; }, "Height", 54.75},
      {[] { SoldierData.Hips = {54, 54, 54}; }, "Average hips", 54},
      {[] { SoldierData.Arm = {16, 16, 16}; }, "Average forearm", 16},
      {[] { SoldierData.FNeck = {4.75, 4.75, 4.75}; }, "Average neck", 4.75},
      {[] { SoldierData.Wrist = {}; }, "Average wrist", 0},
      {[] { SoldierData.Wrist = {}; SoldierData.Hips = {}; }, "Average hips", 0},
  };
  for (const auto& c : cases) {
    SetWoman();
    c.change();
    ExpectOutside(ComputeFemaleBodyFat, c.quantity, c.value);
  }
}

TEST(DescribeOutOfTable, SentenceWithTheRangeInItsUnit) {
  EXPECT_EQ(DescribeOutOfTable({"Abdomen minus neck", 3.25, 5, 40.75, "inches"}),
            "Abdomen minus neck 3.25 is outside the table's range of 5.00 to 40.75 inches.");
  EXPECT_EQ(DescribeOutOfTable({"Weight", 280, 90, 279, "pounds"}),
            "Weight 280 is outside the table's range of 90 to 279 pounds.");
}

TEST(FemaleBodyFatPrecision, HeightToWristSumsInExtendedPrecision) {
  // 1e16 + 1 + 1 - 1e16 is 2 in 80-bit arithmetic but 0 in doubles.
  TableDir dir;
  dir.WriteOverZeros("Table.B-4", "64 1e16 0 0 0\r\n");
  dir.WriteOverZeros("Table.B-5", "38 0.5 0 0 0\r\n");
  dir.WriteOverZeros("Table.B-6", "9 1 1 1 1\r\n");
  dir.WriteOverZeros("Table.B-7", "13 1 1 1 1\r\n");
  dir.WriteOverZeros("Table.B-8", "6 -1e16 0 0 0\r\n");
  LoadTables(dir.Base());
  SetWoman();
  SoldierData.Hips = {38, 38, 38};
  SoldierData.Arm = {9, 9, 9};
  ASSERT_FALSE(ComputeFemaleBodyFat());
  EXPECT_EQ(SoldierData.BodyFat, 0.5 - 2);
}

}  // namespace
