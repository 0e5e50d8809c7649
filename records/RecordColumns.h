#pragma once
// How an AssessmentRecord is laid out in the columns of the assessment table: each column
// with the value it takes from a record and what it gives back to one. A part that a
// record does not have (the one-site steps of a multi-site assessment, an exemption, a
// supplemental result) is NULL in all its columns.

#include "records/AssessmentRecord.h"

#include <QVariant>

#include <functional>
#include <vector>

struct RecordColumn {
  const char* name;
  std::function<QVariant(const AssessmentRecord&)> value;
  // Called in column order; the column that opens an optional part makes the part when
  // its value is not NULL, the part's other columns fill it when it is there.
  std::function<void(AssessmentRecord&, const QVariant&)> take;
};

// Every column of the table, the key columns (soldier_key, assessed_on) first.
const std::vector<RecordColumn>& RecordColumns();

// Fills in what a record holds twice and the columns once: the one-site steps' measurements
// as typed, sex, weight, rounded body fat, maximum and tape verdict, from the record's own
// fields.
void CompleteFromColumns(AssessmentRecord& record);
