#include "standards/TableFill.h"

#include "standards/Calculate.h"

namespace {

constexpr long long kMenKey = 1;

}  // namespace

std::string DescribeKey(KeyUnit unit, long long key) {
  const std::string number = std::to_string(key);
  switch (unit) {
    case KeyUnit::Inches: return "row for " + number + " inches";
    case KeyUnit::AgeBracket: return "row for age bracket " + number;
    case KeyUnit::Pounds: return "factor for " + number + " pounds";
    case KeyUnit::Sex: return key == kMenKey ? "row for men" : "row for women";
  }
  return "row " + number;
}

std::string DescribeKeyRange(KeyUnit unit, long long first, long long last) {
  const std::string range = std::to_string(first) + " to " + std::to_string(last);
  switch (unit) {
    case KeyUnit::AgeBracket: return "brackets " + range;
    case KeyUnit::Sex: return "1 for men and 2 for women";
    case KeyUnit::Inches:
    case KeyUnit::Pounds: break;
  }
  return range;
}

void RefuseTableFile(const std::string& path, const std::string& reason) {
  throw TableLoadError(path + ": " + reason);
}
