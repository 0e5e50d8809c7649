#pragma once
// The system's millisecond tick counter: unsigned 32 bits, wrapping about every 49.7 days.

#include <cstdint>
#include <functional>

using TickSource = std::function<uint32_t()>;

// Milliseconds of a steady clock, truncated to 32 bits.
uint32_t SteadyTicks();

// Milliseconds from start to now, correct across one wrap of the counter.
constexpr uint32_t TicksSince(uint32_t start, uint32_t now) { return now - start; }
