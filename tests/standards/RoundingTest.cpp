#include "standards/BodyFatSteps.h"
#include "standards/Calculate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The value the entry field gives for typed text such as "70.13".
double Typed(int whole, int hundredths) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d.%02d", whole, hundredths);
  return std::strtod(text, nullptr);
}

TEST(RoundToQuarter, RequiredResults) {
  const struct {
    int whole, hundredths;
    float result;
  } cases[] = {
      {70, 12, 70.00f}, {70, 13, 70.00f}, {70, 14, 70.25f}, {70, 36, 70.25f},
      {70, 37, 70.50f}, {70, 62, 70.50f}, {70, 63, 70.50f}, {70, 64, 70.75f},
      {70, 85, 70.75f}, {70, 86, 71.00f}, {60, 37, 60.25f}, {35, 13, 35.25f},
      {35, 37, 35.25f}, {35, 63, 35.75f}, {16, 13, 16.00f}, {12, 86, 12.75f},
      {99, 99, 100.00f}, {0, 1, 0.00f}, {69, 86, 70.00f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToQuarter(Typed(c.whole, c.hundredths)), c.result)
        << c.whole << "." << c.hundredths;
  }
}

bool In(int whole, int low, int high) { return whole >= low && whole <= high; }

// The effective bins, except for the whole parts whose float lies just below a boundary.
float ExpectedQuarter(int whole, int hundredths) {
  const bool losesThirteenAndSixtyThree = In(whole, 0, 1) || In(whole, 16, 31) || In(whole, 64, 99);
  const bool losesThirtySeven = In(whole, 2, 15) || In(whole, 32, 63);
  const bool losesEightySix = In(whole, 2, 3) || In(whole, 8, 15);
  if (hundredths == 13 && losesThirteenAndSixtyThree) return whole;
  if (hundredths == 37 && losesThirtySeven) return whole + 0.25f;
  if (hundredths == 63 && losesThirteenAndSixtyThree) return whole + 0.5f;
  if (hundredths == 86 && losesEightySix) return whole + 0.75f;
  if (hundredths < 13) return whole;
  if (hundredths < 37) return whole + 0.25f;
  if (hundredths < 63) return whole + 0.5f;
  if (hundredths < 86) return whole + 0.75f;
  return whole + 1.0f;
}

TEST(RoundToQuarter, EveryTypedValue) {
  for (int whole = 0; whole <= 99; ++whole) {
    for (int hundredths = 0; hundredths <= 99; ++hundredths) {
      ASSERT_EQ(RoundToQuarter(Typed(whole, hundredths)), ExpectedQuarter(whole, hundredths))
          << whole << "." << hundredths;
    }
  }
}

TEST(AverageOfThree, RoundsTheMeanToTheNearestQuarter) {
  using M = std::array<double, 3>;
  EXPECT_EQ(AverageOfThree(M{34.75, 34.75, 34.75}), 34.75);
  EXPECT_EQ(AverageOfThree(M{30, 30, 30.25}), 30.00);       // 30.0833
  EXPECT_EQ(AverageOfThree(M{30, 30.25, 30.25}), 30.25);    // 30.1667
  EXPECT_EQ(AverageOfThree(M{38.25, 38.5, 38.25}), 38.25);  // 38.3333
  EXPECT_EQ(AverageOfThree(M{9.5, 9.75, 9.75}), 9.75);      // 9.6667
  EXPECT_EQ(AverageOfThree(M{12.75, 13, 13}), 13.0);        // 12.9167
}

}  // namespace
