#include "standards/Calculate.h"
#include "standards/NumberFormat.h"

#include <cmath>

namespace {

// Pounds are whole numbers; lengths carry two decimals.
std::string FormatQuantity(double value, const std::string& unit) {
  if (unit == "pounds" && std::isfinite(value)) {
    return std::to_string(static_cast<long long>(std::llround(value)));
  }
  return FormatFixed2(value);
}

}  // namespace

std::string DescribeOutOfTable(const OutOfTable& outside) {
  return outside.quantity + " " + FormatQuantity(outside.value, outside.unit) +
         " is outside the table's range of " + FormatQuantity(outside.low, outside.unit) +
         " to " + FormatQuantity(outside.high, outside.unit) + " " + outside.unit + ".";
}
