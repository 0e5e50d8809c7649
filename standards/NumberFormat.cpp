#include "standards/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kDecimals = 2;

// The decimal digits of a non-negative finite value to 15 significant digits, and the
// number of those digits that stand before the decimal point (may be zero or negative).
struct DecimalDigits {
  std::string digits;
  int integerDigits = 0;
};

DecimalDigits ToDecimalDigits(double magnitude) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*e", kSignificantDigits - 1, magnitude);
  // text is "d.dddddddddddddde+XX"
  DecimalDigits result;
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') result.digits.push_back(*p);
  }
  result.integerDigits = std::atoi(p + 1) + 1;
  return result;
}

// Keeps the digits up to the second decimal, rounding on the first dropped digit (half
// up on the magnitude). Returns the digits of the value times 100 as a whole number,
// possibly with leading zeros; "" means zero.
std::string RoundToHundredths(const DecimalDigits& decimal) {
  const int keep = decimal.integerDigits + kDecimals;
  if (keep < 0) return "";
  if (keep >= static_cast<int>(decimal.digits.size())) {
    return decimal.digits + std::string(keep - decimal.digits.size(), '0');
  }
  std::string kept = decimal.digits.substr(0, keep);
  if (decimal.digits[keep] >= '5') {
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
    if (i >= 0) {
      ++kept[i];
    } else {
      kept.insert(kept.begin(), '1');
    }
  }
  return kept;
}

}  // namespace

std::string FormatFixed2(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  std::string hundredths = RoundToHundredths(ToDecimalDigits(std::fabs(value)));
  const auto firstNonZero = hundredths.find_first_not_of('0');
  const bool isZero = firstNonZero == std::string::npos;
  hundredths = isZero ? std::string() : hundredths.substr(firstNonZero);
  if (hundredths.size() < kDecimals + 1) {
    hundredths.insert(0, kDecimals + 1 - hundredths.size(), '0');
  }

  std::string text;
  if (value < 0 && !isZero) text.push_back('-');
  text.append(hundredths, 0, hundredths.size() - kDecimals);
  text.push_back('.');
  text.append(hundredths, hundredths.size() - kDecimals, kDecimals);
  return text;
}
