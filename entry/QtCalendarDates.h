#pragma once
// Calendar dates between the program's values and Qt's dates, and today's date.

#include "standards/CalendarDate.h"

#include <QDate>

QDate ToQDate(CalendarDate date);
CalendarDate FromQDate(QDate date);

// Today's date on the local calendar: the date of an assessment that names none.
CalendarDate Today();
