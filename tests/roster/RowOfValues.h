#pragma once
// A roster row made from a soldier's values for the columns a header names, and its
// refusal as the run reports it.

#include "roster/SoldierRow.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>

using Values = std::map<QString, QString>;

// The values under these column names; a column without a value is empty.
inline QStringList RecordOf(const QStringList& names, const Values& values) {
  QStringList record;
  for (const QString& name : names) {
    const auto value = values.find(name);
    record << (value == values.end() ? QString() : value->second);
  }
  return record;
}

// "COLUMN: message"; "accepted" for none.
inline std::string RefusalOf(const SoldierRow& row) {
  return row.refusal ? (row.refusal->column + QStringLiteral(": ") + row.refusal->message).toStdString()
                     : std::string("accepted");
}
