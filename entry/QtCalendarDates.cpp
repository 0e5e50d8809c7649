#include "entry/QtCalendarDates.h"

QDate ToQDate(CalendarDate date) {
  return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
               static_cast<int>(static_cast<unsigned>(date.day())));
}

CalendarDate FromQDate(QDate date) {
  return CalendarDate{std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
                      std::chrono::day{static_cast<unsigned>(date.day())}};
}

CalendarDate Today() { return FromQDate(QDate::currentDate()); }
