#pragma once
// Finding which of a few named choices a text names, the letters in any case (a roster's
// "Guard", "GUARD" and "guard" are one component).

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// The position in names of the name that text equals, ASCII letters compared without their
// case; none when it equals none of them.
std::optional<std::size_t> FindNameIgnoringCase(std::string_view text, std::span<const std::string_view> names);
