#pragma once
// The roster columns of the rules a unit applies after the weight screening: the date of
// the assessment, the component, the last record fitness test and a supplemental body-fat
// result. All are optional: an empty date is the run's date, an empty component the Regular
// Army, a test or a supplemental result with every column empty none at all.

#include "entry/Assessment.h"
#include "roster/RosterColumns.h"

#include <QString>
#include <QStringList>

#include <optional>

// Whether the roster has any of these columns: its results then name the date, the fitness
// test, the exemption and the supplemental result.
bool HasPolicyColumns(const RosterHeader& header);

struct PolicyRefusal {
  QString column;
  QString message;
};

struct PolicyReading {
  PolicyEntry entry;
  std::optional<SupplementalResult> supplemental;
  std::optional<PolicyRefusal> refusal;  // the first value that cannot be read; nothing else is then
};

// Reads the columns of a record, in the order date, component, fitness test, supplemental
// result; `today` is the date of a record that names none (and of a supplemental result
// without its date).
PolicyReading ReadPolicyColumns(const RosterHeader& header, const QStringList& record, CalendarDate today);
