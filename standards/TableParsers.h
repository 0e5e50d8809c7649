#pragma once
// Parsing of the table files' text, one file at a time, into a set of tables that replaces
// the global ones only once every file has loaded.

#include "standards/Tables.h"

#include <array>
#include <cstddef>
#include <string>

// The table files in loading order.
inline constexpr std::array<const char*, 12> TableFileNames = {
    "SCREEN.TBL", "STANDARD.TBL", "Table.B-1", "Table.B-2", "Table.B-3",   "Table.B-4",
    "Table.B-5",  "Table.B-6",    "Table.B-7", "Table.B-8", "ONESITE.TBL", "EXEMPT.TBL"};

struct LoadedTables {
  TScreenTable screen;
  TStandardTable standard;
  TTableB1 b1;
  TTableB2 b2;
  TTableB3 b3;
  TTableB4 b4;
  TTableB5 b5;
  TTableB6 b6;
  TTableB7 b7;
  TTableB8 b8;
  TOneSiteTable oneSite;
  TExemptTable exempt;

  bool operator==(const LoadedTables&) const = default;
};

// Parses the text of the table file TableFileNames[index] into its table in `tables`.
// Throws TableLoadError, naming the file by `path`, for the first token that does not
// convert (with its line), a row the end of the file cuts short, an entry outside the bounds
// its table allows (with its line), or the first key of the table's range that the file
// gives no entry.
void ParseTableText(std::size_t index, const std::string& path, const std::string& text, LoadedTables& tables);

// Reads and parses every table file of baseDir/TABLES, without touching the global tables.
// Messages name each file by its full path, with the links to the TABLES folder resolved.
LoadedTables ReadTables(const std::string& baseDir);
