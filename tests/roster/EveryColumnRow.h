#pragma once
// A roster row under a header that names every column a roster may have, from the values of
// some of them (the others empty), as the roster evaluates it; and the soldiers the tests of
// the wizard, the roster and the records share.

#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>

using ColumnValues = std::map<std::string, QString>;

// The values are taken without their surrounding blanks, as the roster reads a cell.
inline SoldierRow EveryColumnRow(const ColumnValues& values, CalendarDate today = Today()) {
  QStringList names;
  QStringList record;
  for (const RosterColumn& column : RosterColumns()) {
    names << QLatin1String(column.name);
    const auto value = values.find(column.name);
    record << (value == values.end() ? QString() : value->second.trimmed());
  }
  return EvaluateRow(RosterHeader(names), record, today);
}

// The values (or any map) with those of more put in or over them.
template <typename Map>
Map With(Map values, const Map& more) {
  for (const auto& [key, value] : more) values[key] = value;
  return values;
}

// A man of 205 lb and 69.5 in, aged 24, by the multi-site tape: over the screening weight of
// 185 lb; 28.40% against a maximum of 22% on the shipped tables.
inline ColumnValues SampleMan() {
  return {{"name", "DOE, JOHN A"}, {"rank", "SGT"},     {"ssan", "123-45-6789"}, {"sex", "Male"},
          {"age", "24"},          {"weight", "205"},   {"height", "69.50"},     {"neck1", "16.00"},
          {"neck2", "16.25"},     {"neck3", "16.00"},  {"abdomen1", "39.50"},   {"abdomen2", "39.75"},
          {"abdomen3", "39.50"}};
}

// A woman of under a hundred pounds by the multi-site tape, her values as the wizard's fields
// show them: the weight in the last two cells, a wrist with a blank before its single digit.
inline ColumnValues SampleWoman() {
  return {{"name", "O'NEIL, ANNE"}, {"rank", "PFC"},       {"ssan", "456-78-9012"}, {"sex", "Female"},
          {"age", "19"},            {"weight", " 98"},     {"height", "60.50"},     {"hips1", "35.25"},
          {"hips2", "35.00"},       {"hips3", "35.50"},    {"forearm1", "09.75"},   {"forearm2", "09.75"},
          {"forearm3", "10.00"},    {"neck1", "12.00"},    {"neck2", "12.25"},      {"neck3", "12.00"},
          {"wrist1", " 5.75"},      {"wrist2", "06.00"},   {"wrist3", " 5.75"}};
}

// A fitness test of 485 points, none of its events under 80, taken on 2026-03-02.
inline ColumnValues SampleFitnessTest() {
  return {{"aft_date", "2026-03-02"}, {"aft_deadlift", "100"}, {"aft_pushup", "100"},
          {"aft_sdc", "100"},         {"aft_plank", "97"},     {"aft_run", "88"}};
}
