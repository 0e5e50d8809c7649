#pragma once
// Loading of the standards tables, quarter-inch rounding, weight screening and the
// body-fat computations over a soldier's record.

#include "standards/Records.h"

#include <optional>
#include <stdexcept>
#include <string>

// Raised by LoadTables when a table cannot be loaded. what() names the file by its full
// path and reads like `/etc/corvane32/TABLES/Table.B-8: file not found`,
// `.../Table.B-3: line 12: bad number "1O2"` or
// `.../Table.B-1: no row for 17 inches (the table needs 5 to 40)`.
class TableLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Loads the tables from baseDir/TABLES, in order, into the global tables; they change only
// when every file has loaded.
void LoadTables(const std::string& baseDir);

// Brings a length to the quarter inch by the program's thresholds, on 32-bit floats.
float RoundToQuarter(double x);

// A value that has no entry in its table: which quantity, its value and the table's range.
struct OutOfTable {
  std::string quantity;  // "Height", "Weight", "Abdomen minus neck", "Average hips", ...
  double value = 0;
  double low = 0;        // inclusive range of the table
  double high = 0;
  std::string unit;      // "inches" or "pounds"
};

// "Abdomen minus neck 3.25 is outside the table's range of 5.00 to 40.75 inches."
std::string DescribeOutOfTable(const OutOfTable& outside);

struct ScreeningResult {
  bool exceeds = false;                // weight over the screening weight
  std::optional<OutOfTable> outside;   // set when the height has no row; MaxWeight untouched
};

// Looks up the record's MaxWeight for its height, its age and the given sex.
ScreeningResult ExceedsScreeningWeight(TSoldierData& soldier, Sex sex);

// Compute the record's averages, factors, BodyFat and MaxBodyFat from its measurements,
// height, weight and age. When a value lies outside its table they return it and leave
// every result field as it was.
std::optional<OutOfTable> ComputeMaleBodyFat(TSoldierData& soldier);
std::optional<OutOfTable> ComputeFemaleBodyFat(TSoldierData& soldier);

// The verdict on computed results: over the maximum body fat by any amount is not within
// standards, even when both values show the same two decimals.
bool WithinStandards(const TSoldierData& soldier);
