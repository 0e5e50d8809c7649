#pragma once
// The soldier data page's fields as they read: what the worksheets print in their
// identification block, as typed.

#include <QString>

// Each masked field's text is every cell in order, with a blank for an empty cell.
struct DataPageTexts {
  QString Name;
  QString SSANumber;
  QString Rank;
  QString Age;
  QString Height;
  QString Weight;
  QString Sex;  // the selected item of SexGroup, "Male" or "Female"

  bool operator==(const DataPageTexts&) const = default;
};
