#include "standards/TableLookup.h"

#include <cmath>
#include <utility>

int TableLookups::QuarterColumn(double value) {
  const float quarter = RoundToQuarter(value);
  const float fraction = quarter - std::trunc(quarter);
  if (fraction == 0.0f) return 0;
  if (fraction == 0.25f) return 1;
  if (fraction == 0.5f) return 2;
  return 3;
}

double TableLookups::Pounds(const TTableB3& table, int32_t weight) {
  if (!TTableB3::HasKey(weight)) {
    Report({"Weight", double(weight), double(TTableB3::FirstKey), double(TTableB3::LastKey),
            "pounds"});
    return 0;
  }
  return table.At(weight);
}

void TableLookups::Report(OutOfTable outside) {
  if (!outside_) outside_ = std::move(outside);
}
