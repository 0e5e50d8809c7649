#include "standards/Calculate.h"
#include "standards/NumberFormat.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void SetMan(TSoldierData& soldier, int age, double height, std::array<double, 3> waist, std::array<double, 3> neck) {
  soldier.Age = age;
  soldier.Height = height;
  soldier.Waist = waist;
  soldier.MNeck = neck;
}

// The woman of the worked example; tests change one value at a time.
void SetWoman(TSoldierData& soldier) {
  soldier.Age = 25;
  soldier.Weight = 140;
  soldier.Height = 64;
  soldier.Hips = {38.25, 38.5, 38.25};
  soldier.Arm = {9.5, 9.75, 9.75};
  soldier.FNeck = {13, 13, 13.25};
  soldier.Wrist = {6, 6, 6.25};
}

// Every field the computations and the screening check write.
std::vector<double> Results(const TSoldierData& s) {
  return {s.AbdNeckFactor, s.HeightFactor, s.HipFactor, s.ForearmFactor, s.NeckFactor,
          s.WeightFactor,  s.WristFactor,  s.BodyFat,   s.MaxBodyFat,    double(s.MaxWeight),
          s.AvgWaist,      s.AvgArm,       s.AvgWrist,  s.AvgHips,       s.AvgNeck};
}

class BodyFatTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadTables(CORVANE_SOURCE_DIR); }

  // Runs the computation on a value outside its table and checks what it reports and
  // that no result field moved.
  template <typename Compute>
  void ExpectOutside(Compute compute, const char* quantity, double value) {
    const std::vector<double> before = Results(soldier);
    const std::optional<OutOfTable> outside = compute(soldier);
    ASSERT_TRUE(outside) << quantity << " " << value;
    EXPECT_EQ(outside->quantity, quantity);
    EXPECT_EQ(outside->value, value);
    EXPECT_EQ(Results(soldier), before) << quantity;
  }

  TSoldierData soldier;
};

TEST_F(BodyFatTest, WorkedResultsWithShippedTables) {
  const TSoldierData& s = soldier;
  SetMan(soldier, 25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  ASSERT_FALSE(ComputeMaleBodyFat(soldier));
  EXPECT_EQ((std::vector{s.AvgWaist, s.AvgNeck, s.AbdNeckFactor, s.HeightFactor, s.MaxBodyFat}),
            (std::vector{34.75, 15.5, 176.13, 154.78, 22.0}));
  EXPECT_EQ(FormatFixed2(s.BodyFat), "21.35");

  SetWoman(soldier);
  ASSERT_FALSE(ComputeFemaleBodyFat(soldier));
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
    SetMan(soldier, c.age, 70.5, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5});
    ASSERT_FALSE(ComputeMaleBodyFat(soldier));
    EXPECT_EQ(soldier.MaxBodyFat, c.men) << c.age;
    SetWoman(soldier);
    soldier.Age = c.age;
    ASSERT_FALSE(ComputeFemaleBodyFat(soldier));
    EXPECT_EQ(soldier.MaxBodyFat, c.women) << c.age;
  }
}

// Each computation works on the record it is given: two soldiers held at once keep their
// own results, the same as each computed alone.
TEST_F(BodyFatTest, TwoSoldiersAtOnceKeepTheirOwnResults) {
  TSoldierData man;
  TSoldierData woman;
  SetMan(man, 25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  SetWoman(woman);
  const TSoldierData manBefore = man;
  const TSoldierData womanBefore = woman;
  TSoldierData manAlone = man;
  TSoldierData womanAlone = woman;
  ASSERT_FALSE(ComputeMaleBodyFat(manAlone));
  ASSERT_FALSE(ComputeFemaleBodyFat(womanAlone));

  ASSERT_FALSE(ComputeMaleBodyFat(man));
  EXPECT_EQ(Results(woman), Results(womanBefore));  // the other record is untouched
  ASSERT_FALSE(ComputeFemaleBodyFat(woman));
  EXPECT_EQ(Results(man), Results(manAlone));
  EXPECT_EQ(Results(woman), Results(womanAlone));
  EXPECT_NE(Results(man), Results(manBefore));
}

TEST_F(BodyFatTest, MaleValuesOutsideTheirTables) {
  SetMan(soldier, 25, 70.5, {34.5, 35, 34.75}, {15.5, 15.75, 15.5});
  ASSERT_FALSE(ComputeMaleBodyFat(soldier));
  SetMan(soldier, 33, 70.5, {20, 20, 20}, {15.5, 15.5, 15.5});
  ExpectOutside(ComputeMaleBodyFat, "Abdomen minus neck", 4.5);
  SetMan(soldier, 33, 70.5, {15, 15, 15}, {16, 16, 16});
  ExpectOutside(ComputeMaleBodyFat, "Abdomen minus neck", -1);
  SetMan(soldier, 33, 0, {46, 46, 46}, {5, 5, 5});  // both outside: the first one read
  ExpectOutside(ComputeMaleBodyFat, "Abdomen minus neck", 41);
  SetMan(soldier, 33, 59.75, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5});
  ExpectOutside(ComputeMaleBodyFat, "Height", 59.75);
  SetMan(soldier, 33, 85, {34.75, 34.75, 34.75}, {15.5, 15.5, 15.5});
  ExpectOutside(ComputeMaleBodyFat, "Height", 85);
  SetMan(soldier, 33, 84.75, {45.75, 45.75, 45.75}, {5, 5, 5});  // the last row of both tables
  EXPECT_FALSE(ComputeMaleBodyFat(soldier));
}

TEST_F(BodyFatTest, FemaleValuesOutsideTheirTables) {
  SetWoman(soldier);
  ASSERT_FALSE(ComputeFemaleBodyFat(soldier));
  const struct {
    void (*change)(TSoldierData&);
    const char* quantity;
    double value;
  } cases[] = {
      {[](TSoldierData& s) { s.Weight = 89; }, "Weight", 89},
      {[](TSoldierData& s) { s.Weight = 280; }, "Weight", 280},
      {[](TSoldierData& s) { s.Height = 54.75; }, "Height", 54.75},
      {[](TSoldierData& s) { s.Hips = {54, 54, 54}; }, "Average hips", 54},
      {[](TSoldierData& s) { s.Arm = {16, 16, 16}; }, "Average forearm", 16},
      {[](TSoldierData& s) { s.FNeck = {4.75, 4.75, 4.75}; }, "Average neck", 4.75},
      {[](TSoldierData& s) { s.Wrist = {}; }, "Average wrist", 0},
      {[](TSoldierData& s) { s.Wrist = {}; s.Hips = {}; }, "Average hips", 0},
  };
  for (const auto& c : cases) {
    SetWoman(soldier);
    c.change(soldier);
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
  TSoldierData soldier;
  SetWoman(soldier);
  soldier.Hips = {38, 38, 38};
  soldier.Arm = {9, 9, 9};
  ASSERT_FALSE(ComputeFemaleBodyFat(soldier));
  EXPECT_EQ(soldier.BodyFat, 0.5 - 2);
}

}  // namespace
