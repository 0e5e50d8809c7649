#pragma once
// One roster record taken through the wizard as an operator would take it: the data page's
// fields typed in tab order with their exit checks, the page collected with the screening,
// the measurement page of the record's tape method (the multi-site page of the soldier's
// sex, or the one-site page) read and the body fat computed. The first refusal ends the
// record, with the wizard's own message. A record whose method reads columns the roster
// does not have is refused first, naming all of them. The record's date, component and
// fitness test may exempt the soldier from the tape (no measurement is read then); a
// supplemental result decides for a soldier the tape finds not within standards.

#include "entry/Assessment.h"
#include "entry/QtCalendarDates.h"
#include "roster/RosterColumns.h"
#include "standards/TapeMethod.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct RowRefusal {
  QString column;  // the roster column holding the refused value
  QString message;
};

struct SoldierRow {
  // Who the record is about, as the results name them: name and rank upper-cased, the sex
  // as "Male" or "Female" (or as given, when it is neither).
  QString name;
  QString rank;
  QString sex;
  // The tape method as "multi-site" (also for an empty value) or "one-site", or as given when
  // it is neither.
  QString method;
  std::optional<RowRefusal> refusal;
  // The soldier's assessment; set when the record is accepted.
  std::optional<Assessment> assessment;
};

// The columns that a record of the method and sex reads whatever its values: the data
// page's (name to height) and, unless the soldier is exempt from the tape, its measurement
// page's, by the one-site method abdomen1 to abdomen3 (abdomen4 is read only when those
// three ask for a fourth). Without a method, or without a sex by the multi-site method,
// the data page's alone.
std::vector<QByteArray> ColumnsRead(std::optional<TapeMethod> method, std::optional<Sex> sex, bool exempt);

// Evaluates a record on a record of its own; `today` is the date of a record that names none.
SoldierRow EvaluateRow(const RosterHeader& header, const QStringList& record, CalendarDate today = Today());
