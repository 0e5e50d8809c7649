#pragma once
// Rows of zeros that make a test's table complete: written ahead of the rows a test cares
// about, they give every key of the table an entry, and a later row of a key replaces its
// zero row.

#include "standards/Tables.h"

#include <string>
#include <string_view>

// A row for each key first, first + step, ... up to last: the key and `values` zeros,
// ending in CR LF.
inline std::string ZeroRows(int first, int last, int values, int step = 1) {
  std::string rows;
  for (int key = first; key <= last; key += step) {
    rows += std::to_string(key);
    for (int i = 0; i < values; ++i) rows += " 0";
    rows += "\r\n";
  }
  return rows;
}

// Zero rows for every key the table file needs: Table.B-3's groups of ten pounds, the four
// brackets of STANDARD.TBL (which fill in row order), a row per key of the others.
inline std::string ZeroRowsOf(std::string_view name) {
  if (name == "SCREEN.TBL") return ZeroRows(TScreenTable::FirstKey, TScreenTable::LastKey, 8);
  if (name == "STANDARD.TBL") return ZeroRows(TStandardTable::FirstKey, TStandardTable::LastKey, 2);
  if (name == "Table.B-1") return ZeroRows(TTableB1::FirstKey, TTableB1::LastKey, 4);
  if (name == "Table.B-2") return ZeroRows(TTableB2::FirstKey, TTableB2::LastKey, 4);
  if (name == "Table.B-3") return ZeroRows(TTableB3::FirstKey, TTableB3::LastKey, 10, 10);
  if (name == "Table.B-4") return ZeroRows(TTableB4::FirstKey, TTableB4::LastKey, 4);
  if (name == "Table.B-5") return ZeroRows(TTableB5::FirstKey, TTableB5::LastKey, 4);
  if (name == "Table.B-6") return ZeroRows(TTableB6::FirstKey, TTableB6::LastKey, 4);
  if (name == "Table.B-7") return ZeroRows(TTableB7::FirstKey, TTableB7::LastKey, 4);
  if (name == "Table.B-8") return ZeroRows(TTableB8::FirstKey, TTableB8::LastKey, 4);
  if (name == "ONESITE.TBL") return ZeroRows(TOneSiteTable::FirstKey, TOneSiteTable::LastKey, 3);
  return ZeroRows(TExemptTable::FirstKey, TExemptTable::LastKey, 1);
}
