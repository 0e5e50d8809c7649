#include "standards/TableStream.h"

#include <charconv>
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

}  // namespace

bool TableStream::AtEnd() const {
  return pos_ >= text_.size() || text_[pos_] == kEndOfFileMark;
}

void TableStream::SkipLine() {
  if (failed_) return;
  while (!AtEnd()) {
    if (text_[pos_++] == kCarriageReturn) {
      if (pos_ < text_.size() && text_[pos_] == kLineFeed) ++pos_;
      return;
    }
  }
}

std::string_view TableStream::NextToken(std::size_t maxLength) {
  while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && pos_ - start < maxLength && !IsBlank(text_[pos_])) ++pos_;
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
