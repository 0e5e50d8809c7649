// The supplemental body-fat result: its methods, the percentage read exactly in tenths, and
// the verdict on both sides of the maximum.

#include "standards/Supplemental.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(SupplementalTest, MethodsByNameInAnyCase) {
  EXPECT_EQ(ParseSupplementalMethod("dxa"), SupplementalMethod::Dxa);
  EXPECT_EQ(ParseSupplementalMethod("BIA"), SupplementalMethod::Bia);
  EXPECT_EQ(ParseSupplementalMethod("Adp"), SupplementalMethod::Adp);
  for (const char* text : {"", "dexa", " dxa", "bod pod", "inbody"}) {
    EXPECT_EQ(ParseSupplementalMethod(text), std::nullopt) << text;
  }
}

TEST(SupplementalTest, BodyFatIsReadExactlyInTenths) {
  const struct {
    const char* text;
    int32_t tenths;
  } read[] = {{"23.4", 234}, {"23", 230}, {"23.0", 230}, {"0.1", 1}, {"99.9", 999}, {"4.3", 43}, {"07.5", 75},
              {"26.1", 261}, {"0.7", 7}};
  for (const auto& c : read) EXPECT_EQ(ParseBodyFatTenths(c.text), c.tenths) << c.text;
  for (const char* text : {"", "0", "0.0", "100", "100.0", "99.95", "23.45", "23.40", "23.", ".5", "-1.0", "+23.4",
                           "23,4", " 23.4", "23.4 ", "2.34e1", "1.2.3", "123"}) {
    EXPECT_EQ(ParseBodyFatTenths(text), std::nullopt) << text;
  }
  EXPECT_EQ(FormatBodyFatTenths(234), "23.4");
  EXPECT_EQ(FormatBodyFatTenths(230), "23.0");
  EXPECT_EQ(FormatBodyFatTenths(7), "0.7");
  EXPECT_EQ(FormatBodyFatTenths(-7), "-0.7");
}

TEST(SupplementalTest, NotAboveTheMaximumIsWithin) {
  const CalendarDate date = year{2026} / 3 / 5;
  EXPECT_TRUE(SupplementalWithin({SupplementalMethod::Dxa, 259, date}, 26));
  EXPECT_TRUE(SupplementalWithin({SupplementalMethod::Dxa, 260, date}, 26));
  EXPECT_FALSE(SupplementalWithin({SupplementalMethod::Dxa, 261, date}, 26));
  EXPECT_TRUE(SupplementalWithin({SupplementalMethod::Adp, 999, date}, 2147483647));
  EXPECT_FALSE(SupplementalWithin({SupplementalMethod::Adp, 1, date}, -2147483647 - 1));

  EXPECT_EQ(DescribeSupplemental({SupplementalMethod::Dxa, 260, date}, 26),
            "Supplemental assessment by DXA on 2026-03-05: 26.0% body fat, within the maximum of 26%.");
  EXPECT_EQ(DescribeSupplemental({SupplementalMethod::Bia, 261, date}, 26),
            "Supplemental assessment by bioelectrical impedance (InBody 770) on 2026-03-05: 26.1% body fat, over the "
            "maximum of 26%.");
}

}  // namespace
