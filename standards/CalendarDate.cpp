#include "standards/CalendarDate.h"

#include "standards/PlainDigits.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kMaxMonthsAdded = 1200;
constexpr int kLastYear = 9999;

}  // namespace

std::optional<CalendarDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = PlainDigits(text.substr(0, 4), 4);
  const auto month = PlainDigits(text.substr(5, 2), 2);
  const auto day = PlainDigits(text.substr(8, 2), 2);
  if (!year || !month || !day) return std::nullopt;
  const CalendarDate date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                          std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string FormatIsoDate(CalendarDate date) {
  if (!date.ok()) throw std::invalid_argument("not a calendar date");
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

CalendarDate PlusMonths(CalendarDate date, int months) {
  if (!date.ok() || date.year() < std::chrono::year{0} || date.year() > std::chrono::year{kLastYear})
    throw std::invalid_argument("not a calendar date of the years 0 to 9999");
  if (months < 0 || months > kMaxMonthsAdded) throw std::invalid_argument("months outside 0 to 1200");
  const std::chrono::year_month later = date.year() / date.month() + std::chrono::months{months};
  const std::chrono::day lastDay =
      std::chrono::year_month_day_last{later.year(), std::chrono::month_day_last{later.month()}}.day();
  return later / std::min(date.day(), lastDay);
}
