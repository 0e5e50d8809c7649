#pragma once
// Whole numbers written as digits alone, as dates, fitness-test points and body-fat
// percentages are read: no sign, no blanks, no exponent, no grouping.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The value of text when it is one to maxDigits (at most 9) ASCII digits, else none.
std::optional<int32_t> PlainDigits(std::string_view text, std::size_t maxDigits);
