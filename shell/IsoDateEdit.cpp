#include "shell/IsoDateEdit.h"

#include "entry/QtCalendarDates.h"

#include <QDateEdit>

QDateEdit* NewIsoDateEdit(QWidget* parent, CalendarDate date) {
  auto* edit = new QDateEdit(ToQDate(date), parent);
  edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  edit->setCalendarPopup(true);
  // Years of four digits, which the ISO dates of the worksheets and rosters write.
  edit->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
  return edit;
}

CalendarDate DateOf(const QDateEdit& edit) { return FromQDate(edit.date()); }
