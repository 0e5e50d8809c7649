#pragma once
// Calendar dates of the assessment, the fitness test and a supplemental result, written the
// ISO way (2026-03-02). The standard library of the supported compilers (libstdc++ 12) has
// the calendar types but neither std::format nor std::chrono::parse for them, so the text
// is read and written here.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

using CalendarDate = std::chrono::year_month_day;

// "YYYY-MM-DD": four digits of year, two of month and of day, a date the calendar has
// (2026-02-29 is none). Nothing else, blanks neither.
std::optional<CalendarDate> ParseIsoDate(std::string_view text);

// "2026-03-02"; the year has at least four digits. The date must be one the calendar has.
std::string FormatIsoDate(CalendarDate date);

// The same day of the month, months calendar months later; when that month has no such
// day, its last day: 2026-01-31 plus 8 months is 2026-09-30, 2027-06-30 plus 8 months is
// 2028-02-29. The date's year is from 0 to 9999 (what ParseIsoDate reads), months from 0 to
// 1200; std::invalid_argument otherwise.
CalendarDate PlusMonths(CalendarDate date, int months);
