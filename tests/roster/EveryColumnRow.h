#pragma once
// A roster row under a header that names every column a roster may have, from the values of
// some of them (the others empty), as the roster evaluates it.

#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>

// The values are taken without their surrounding blanks, as the roster reads a cell.
inline SoldierRow EveryColumnRow(const std::map<std::string, QString>& values, CalendarDate today = Today()) {
  QStringList names;
  QStringList record;
  for (const RosterColumn& column : RosterColumns()) {
    names << QLatin1String(column.name);
    const auto value = values.find(column.name);
    record << (value == values.end() ? QString() : value->second.trimmed());
  }
  return EvaluateRow(RosterHeader(names), record, today);
}
