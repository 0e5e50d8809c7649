#include "standards/TableStream.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFileMark = '\x1A';
constexpr std::size_t kIntegerTokenLimit = 32;
constexpr std::size_t kRealTokenLimit = 64;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars takes no leading plus sign.
std::string_view WithoutPlus(std::string_view token) {
  if (!token.empty() && token.front() == '+') token.remove_prefix(1);
  return token;
}

// Optional sign, digits, optional "." with fraction digits (at least one digit in all),
// optional exponent with its own optional sign and at least one digit.
bool IsDecimalReal(std::string_view token) {
  std::size_t i = 0;
  auto digitsFrom = [&](std::size_t& at) {
    const std::size_t start = at;
    while (at < token.size() && IsDigit(token[at])) ++at;
    return at - start;
  };
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  std::size_t mantissaDigits = digitsFrom(i);
  if (i < token.size() && token[i] == '.') {
    ++i;
    mantissaDigits += digitsFrom(i);
  }
  if (mantissaDigits == 0) return false;
  if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
    ++i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    if (digitsFrom(i) == 0) return false;
  }
  return i == token.size();
}

// The decimal value of a token that IsDecimalReal accepts, times 10^decimals, when it is a
// whole number of at most maxDigits (up to 18) digits; worked on the token's digits, so no
// binary rounding enters.
std::optional<int64_t> ScaledValue(std::string_view token, int decimals, std::size_t maxDigits) {
  const bool negative = token.front() == '-';
  if (token.front() == '+' || negative) token.remove_prefix(1);
  std::string digits;
  long long shift = decimals;
  std::size_t i = 0;
  for (; i < token.size() && IsDigit(token[i]); ++i) digits.push_back(token[i]);
  if (i < token.size() && token[i] == '.') {
    for (++i; i < token.size() && IsDigit(token[i]); ++i, --shift) digits.push_back(token[i]);
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return 0;  // zero, whatever its exponent
  if (i < token.size()) {
    const std::string_view exponent = WithoutPlus(token.substr(i + 1));
    long long power = 0;
    const auto [end, error] = std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
    // A token holds at most 64 digits, so a power beyond these bounds cannot give a value
    // that fits or has no digits past the kept places.
    if (error != std::errc() || power > 64 || power < -64) return std::nullopt;
    shift += power;
  }
  if (shift < 0) {
    // The dropped places must all be zero.
    if (static_cast<long long>(digits.size()) < -shift) return std::nullopt;
    const std::size_t keep = digits.size() - static_cast<std::size_t>(-shift);
    if (digits.find_first_not_of('0', keep) != std::string::npos) return std::nullopt;
    digits.resize(keep);
  } else {
    digits.append(static_cast<std::size_t>(shift), '0');
  }
  if (digits.size() > maxDigits) return std::nullopt;
  int64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return negative ? -value : value;
}

}  // namespace

bool TableStream::AtEnd() const {
  return pos_ >= text_.size() || text_[pos_] == kEndOfFileMark;
}

void TableStream::SkipLine() {
  if (failed_) return;
  while (!AtEnd()) {
    const char c = text_[pos_++];
    if (c == kLineFeed) return;
    if (c == kCarriageReturn) {
      if (pos_ < text_.size() && text_[pos_] == kLineFeed) ++pos_;
      return;
    }
  }
}

int TableStream::LineAt(std::size_t position) const {
  int line = 1;
  const std::size_t end = std::min(position, text_.size());
  for (std::size_t i = 0; i < end; ++i) {
    // A LF right after a CR belongs to the CR's line end.
    if (text_[i] == kCarriageReturn || (text_[i] == kLineFeed && (i == 0 || text_[i - 1] != kCarriageReturn))) ++line;
  }
  return line;
}

std::string_view TableStream::NextToken(std::size_t maxLength) {
  while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && pos_ - start < maxLength && !IsBlank(text_[pos_])) ++pos_;
  if (start == pos_) ranOut_ = true;
  return text_.substr(start, pos_ - start);
}

void TableStream::Fail(std::string_view token) {
  failed_ = true;
  badToken_ = token;
}

int32_t TableStream::ReadInteger() {
  if (failed_) return 0;
  const std::string_view token = NextToken(kIntegerTokenLimit);
  if (token.empty()) return 0;
  const std::string_view digits = WithoutPlus(token);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  const bool twoSigns = digits.size() < token.size() && !digits.empty() && digits.front() == '-';
  if (error != std::errc() || end != digits.data() + digits.size() || twoSigns) {
    Fail(token);
    return 0;
  }
  return value;
}

double TableStream::ReadReal() {
  if (failed_) return 0;
  const std::string_view token = NextToken(kRealTokenLimit);
  if (token.empty()) return 0;
  if (!IsDecimalReal(token)) {
    Fail(token);
    return 0;
  }
  const std::string_view number = WithoutPlus(token);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) {
    Fail(token);
    return 0;
  }
  return value;
}

int64_t TableStream::ReadScaled(int decimals, std::size_t maxDigits) {
  if (failed_) return 0;
  const std::string_view token = NextToken(kRealTokenLimit);
  if (token.empty()) return 0;
  const std::optional<int64_t> value = IsDecimalReal(token) ? ScaledValue(token, decimals, maxDigits) : std::nullopt;
  if (!value) {
    Fail(token);
    return 0;
  }
  return *value;
}
