#include "standards/TableFill.h"

#include "standards/Calculate.h"

namespace {

constexpr long long kMenKey = 1;

std::string DescribeExemptRow(long long key) {
  switch (static_cast<ExemptRow>(key)) {
    case ExemptRow::MinimumTotal: return "row for the minimum total points";
    case ExemptRow::MinimumPerEvent: return "row for the minimum points per event";
    case ExemptRow::MonthsActive: return "row for the months of the Regular Army and AGR";
    case ExemptRow::MonthsReserve: return "row for the months of the Army National Guard and Army Reserve";
  }
  return "row " + std::to_string(key);
}

}  // namespace

std::string DescribeKey(KeyUnit unit, long long key) {
  const std::string number = std::to_string(key);
  switch (unit) {
    case KeyUnit::Inches: return "row for " + number + " inches";
    case KeyUnit::AgeBracket: return "row for age bracket " + number;
    case KeyUnit::Pounds: return "factor for " + number + " pounds";
    case KeyUnit::Sex: return key == kMenKey ? "row for men" : "row for women";
    case KeyUnit::ExemptRow: return DescribeExemptRow(key);
  }
  return "row " + number;
}

std::string DescribeKeyRange(KeyUnit unit, long long first, long long last) {
  const std::string range = std::to_string(first) + " to " + std::to_string(last);
  switch (unit) {
    case KeyUnit::AgeBracket: return "brackets " + range;
    case KeyUnit::Sex: return "1 for men and 2 for women";
    case KeyUnit::ExemptRow: return "rows " + range;
    case KeyUnit::Inches:
    case KeyUnit::Pounds: break;
  }
  return range;
}

void RefuseTableFile(const std::string& path, const std::string& reason) {
  throw TableLoadError(path + ": " + reason);
}
