// ISO dates read and written, and whole calendar months added with the month-end rule.

#include "standards/CalendarDate.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace std::chrono;

CalendarDate Date(int y, unsigned m, unsigned d) { return year{y} / month{m} / day{d}; }

TEST(CalendarDateTest, IsoDatesAreReadStrictly) {
  EXPECT_EQ(ParseIsoDate("2026-03-02"), Date(2026, 3, 2));
  EXPECT_EQ(ParseIsoDate("2028-02-29"), Date(2028, 2, 29));
  EXPECT_EQ(ParseIsoDate("0000-01-01"), Date(0, 1, 1));
  EXPECT_EQ(ParseIsoDate("9999-12-31"), Date(9999, 12, 31));
  for (const char* text : {"", "2026-3-2", "2026-03-2", "26-03-02", "2026/03/02", "2026-03-02 ", " 2026-03-02",
                           "2026-02-29", "2100-02-29", "2026-13-01", "2026-00-10", "2026-04-31", "2026-03-00",
                           "+026-03-02", "2026-0x-02", "20260302", "02.03.2026", "2026-03-02T10"}) {
    EXPECT_EQ(ParseIsoDate(text), std::nullopt) << text;
  }
}

TEST(CalendarDateTest, IsoDatesAreWrittenWithLeadingZeros) {
  EXPECT_EQ(FormatIsoDate(Date(2026, 3, 2)), "2026-03-02");
  EXPECT_EQ(FormatIsoDate(Date(987, 11, 30)), "0987-11-30");
  EXPECT_EQ(FormatIsoDate(Date(10009, 12, 31)), "10009-12-31");
  EXPECT_THROW(FormatIsoDate(Date(2026, 2, 30)), std::invalid_argument);
}

TEST(CalendarDateTest, MonthsKeepTheDayOrEndOnTheMonthsLastDay) {
  // The exemption's own month ends are in ExemptionTest.
  EXPECT_EQ(PlusMonths(Date(2027, 6, 29), 8), Date(2028, 2, 29));
  EXPECT_EQ(PlusMonths(Date(2028, 2, 29), 48), Date(2032, 2, 29));
  EXPECT_EQ(PlusMonths(Date(2026, 12, 31), 1), Date(2027, 1, 31));
  EXPECT_EQ(PlusMonths(Date(2026, 12, 31), 2), Date(2027, 2, 28));
  EXPECT_EQ(PlusMonths(Date(2026, 8, 31), 0), Date(2026, 8, 31));
  EXPECT_EQ(PlusMonths(Date(9999, 12, 31), 1200), Date(10099, 12, 31));
}

TEST(CalendarDateTest, MonthsOutsideTheirRangeAreRefused) {
  EXPECT_THROW(PlusMonths(Date(2026, 1, 1), -1), std::invalid_argument);
  EXPECT_THROW(PlusMonths(Date(2026, 1, 1), 1201), std::invalid_argument);
  EXPECT_THROW(PlusMonths(Date(2026, 2, 30), 1), std::invalid_argument);
  EXPECT_THROW(PlusMonths(Date(10000, 1, 1), 1), std::invalid_argument);
  EXPECT_THROW(PlusMonths(Date(-1, 1, 1), 1), std::invalid_argument);
}

}  // namespace
