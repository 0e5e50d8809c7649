#include "standards/Supplemental.h"

#include "standards/NamedChoice.h"
#include "standards/PlainDigits.h"

#include <array>

namespace {

constexpr std::size_t kMaxWholeDigits = 2;
constexpr int32_t kLeastTenths = 1;
constexpr int32_t kMostTenths = 100 * kTenthsPerPercent - 1;

constexpr std::array<std::string_view, 3> kNames = {"DXA", "BIA", "ADP"};
constexpr std::array<std::string_view, 3> kLongNames = {"DXA", "bioelectrical impedance (InBody 770)",
                                                        "air displacement (BOD POD)"};

}  // namespace

std::string_view SupplementalMethodName(SupplementalMethod method) {
  return kNames.at(static_cast<std::size_t>(method));
}

std::string_view SupplementalMethodLongName(SupplementalMethod method) {
  return kLongNames.at(static_cast<std::size_t>(method));
}

std::optional<SupplementalMethod> ParseSupplementalMethod(std::string_view text) {
  const auto index = FindNameIgnoringCase(text, kNames);
  if (!index) return std::nullopt;
  return static_cast<SupplementalMethod>(*index);
}

std::optional<int32_t> ParseBodyFatTenths(std::string_view text) {
  const std::size_t point = text.find('.');
  const auto whole = PlainDigits(text.substr(0, point), kMaxWholeDigits);
  if (!whole) return std::nullopt;
  int32_t tenths = *whole * kTenthsPerPercent;
  if (point != std::string_view::npos) {
    const auto decimal = PlainDigits(text.substr(point + 1), 1);
    if (!decimal) return std::nullopt;
    tenths += *decimal;
  }
  if (tenths < kLeastTenths || tenths > kMostTenths) return std::nullopt;
  return tenths;
}

std::string FormatBodyFatTenths(int32_t tenths) {
  const std::string sign = tenths < 0 ? "-" : "";
  const int64_t magnitude = tenths < 0 ? -int64_t{tenths} : tenths;
  return sign + std::to_string(magnitude / kTenthsPerPercent) + "." + std::to_string(magnitude % kTenthsPerPercent);
}

bool SupplementalWithin(const SupplementalResult& result, int32_t maxBodyFat) {
  return int64_t{result.bodyFatTenths} <= int64_t{maxBodyFat} * kTenthsPerPercent;
}

std::string DescribeSupplemental(const SupplementalResult& result, int32_t maxBodyFat) {
  return "Supplemental assessment by " + std::string(SupplementalMethodLongName(result.method)) + " on " +
         FormatIsoDate(result.date) + ": " + FormatBodyFatTenths(result.bodyFatTenths) + "% body fat, " +
         (SupplementalWithin(result, maxBodyFat) ? "within" : "over") + " the maximum of " +
         std::to_string(maxBodyFat) + "%.";
}
