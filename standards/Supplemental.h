#pragma once
// The supplemental assessment of a soldier who is not within the standard by the tape: a
// body-fat percentage measured by DXA, bioelectrical impedance or air displacement, which
// then decides against the same maximum. The percentage is kept exactly, in whole tenths.

#include "standards/CalendarDate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class SupplementalMethod {
  Dxa,  // dual-energy X-ray absorptiometry
  Bia,  // bioelectrical impedance (InBody 770)
  Adp,  // air displacement plethysmography (BOD POD)
};

// "DXA", "BIA", "ADP": the name a roster writes (in any case) and a form shows.
std::string_view SupplementalMethodName(SupplementalMethod method);
// "DXA", "bioelectrical impedance (InBody 770)", "air displacement (BOD POD)".
std::string_view SupplementalMethodLongName(SupplementalMethod method);
// The method a text names, in any case; anything else, blanks and an empty text included,
// is none.
std::optional<SupplementalMethod> ParseSupplementalMethod(std::string_view text);

inline constexpr int32_t kTenthsPerPercent = 10;

// A body fat as written, in tenths of a percent: digits, then at most one decimal after a
// point ("23.4" is 234, "23" and "23.0" are 230). It must be above 0 and under 100: a
// measured body fat is neither none nor all of the body, and 0 is what an empty field
// reads as. No sign, exponent, blanks or second decimal ("23.45", "23.40"): the devices
// report one decimal, and a second would be a precision the result does not have.
std::optional<int32_t> ParseBodyFatTenths(std::string_view text);
// Tenths of a percent with one decimal: 234 gives "23.4", 230 gives "23.0".
std::string FormatBodyFatTenths(int32_t tenths);

struct SupplementalResult {
  SupplementalMethod method = SupplementalMethod::Dxa;
  int32_t bodyFatTenths = 0;
  CalendarDate date;

  bool operator==(const SupplementalResult&) const = default;
};

// Within the standard when the body fat is not above the maximum (whole percent): 26.0
// against 26 is within, 26.1 is not.
bool SupplementalWithin(const SupplementalResult& result, int32_t maxBodyFat);

// "Supplemental assessment by DXA on 2026-03-05: 23.4% body fat, within the maximum of
// 26%." or "..., over the maximum of 22%."
std::string DescribeSupplemental(const SupplementalResult& result, int32_t maxBodyFat);
