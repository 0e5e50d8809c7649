#include "standards/PlainDigits.h"

#include <stdexcept>

namespace {

// Nine digits always fit in 32 bits.
constexpr std::size_t kMostDigits = 9;

}  // namespace

std::optional<int32_t> PlainDigits(std::string_view text, std::size_t maxDigits) {
  if (maxDigits > kMostDigits) throw std::invalid_argument("more digits than 32 bits hold");
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}
