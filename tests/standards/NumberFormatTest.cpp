#include "standards/NumberFormat.h"

#include <gtest/gtest.h>

TEST(FormatFixed2, PadsToTwoDecimalsWithAtLeastOneIntegerDigit) {
  EXPECT_EQ(FormatFixed2(26), "26.00");
  EXPECT_EQ(FormatFixed2(17.5), "17.50");
  EXPECT_EQ(FormatFixed2(0), "0.00");
  EXPECT_EQ(FormatFixed2(0.25), "0.25");
  EXPECT_EQ(FormatFixed2(1234.5), "1234.50");
  EXPECT_EQ(FormatFixed2(1e20), "100000000000000000000.00");
}

TEST(FormatFixed2, RoundsHalvesAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(FormatFixed2(0.004), "0.00");
  EXPECT_EQ(FormatFixed2(0.005), "0.01");
  EXPECT_EQ(FormatFixed2(2.675), "2.68");  // the double is 2.67499999...
  EXPECT_EQ(FormatFixed2(1.005), "1.01");  // the double is 1.00499999...
  EXPECT_EQ(FormatFixed2(30.0833333333), "30.08");
  EXPECT_EQ(FormatFixed2(99.995), "100.00");
  EXPECT_EQ(FormatFixed2(9.999), "10.00");
  EXPECT_EQ(FormatFixed2(0.0049999), "0.00");
}

TEST(FormatFixed2, NegativeValues) {
  EXPECT_EQ(FormatFixed2(-3.5), "-3.50");
  EXPECT_EQ(FormatFixed2(-1.25), "-1.25");
  EXPECT_EQ(FormatFixed2(-2.675), "-2.68");
  EXPECT_EQ(FormatFixed2(-0.004), "0.00");  // rounds to zero: no sign
  EXPECT_EQ(FormatFixed2(-0.0), "0.00");
  EXPECT_EQ(FormatFixed2(-0.005), "-0.01");
}
