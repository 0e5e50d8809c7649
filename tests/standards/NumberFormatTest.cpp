#include "standards/NumberFormat.h"

#include <gtest/gtest.h>

TEST(FormatFixed2, TwoDecimalsRoundedHalfAwayFromZeroOnTheDecimalValue) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {26, "26.00"},      {17.5, "17.50"},   {0, "0.00"},         {1234.5, "1234.50"},
      {0.004, "0.00"},    {0.005, "0.01"},   {2.675, "2.68"},     {1.005, "1.01"},
      {99.995, "100.00"}, {-3.5, "-3.50"},   {-2.675, "-2.68"},   {-0.005, "-0.01"},
      {-0.004, "0.00"},   {1e20, "100000000000000000000.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFixed2(c.value), c.text) << c.value;
}
