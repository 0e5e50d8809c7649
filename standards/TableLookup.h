#pragma once
// Table lookups for one computation. A value that has no entry in its table reads nothing
// and gives 0; the first such value is kept as what the computation reports.

#include "standards/Calculate.h"
#include "standards/Tables.h"

#include <cstdint>
#include <optional>
#include <string>

class TableLookups {
 public:
  // The entry of a quarter table for a length on a quarter inch: the row is the whole
  // inches of the value, the column the quarter of the value brought to the quarter inch.
  template <int First, int Last>
  double Quarter(const QuarterTable<First, Last>& table, double value, const char* quantity) {
    if (!Inside(value, First, Last + 1.0)) {
      Report({quantity, value, double(First), Last + 0.75, "inches"});
      return 0;
    }
    return table.At(static_cast<int>(value))[QuarterColumn(value)];
  }

  // The weight factor for whole pounds.
  double Pounds(const TTableB3& table, int32_t weight);

  const std::optional<OutOfTable>& Outside() const { return outside_; }

 private:
  // value in [low, high); false for not-a-number as well
  static bool Inside(double value, double low, double high) { return value >= low && value < high; }
  static int QuarterColumn(double value);
  void Report(OutOfTable outside);

  std::optional<OutOfTable> outside_;
};
