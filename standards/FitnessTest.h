#pragma once
// The record Army Fitness Test as the exemption from the body fat standard reads it: its
// date and the points of its five events, each scored from 0 to 100. A test with an
// alternate event has no points for that event, so it makes no FitnessTest and never
// exempts.

#include "standards/CalendarDate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum class AftEvent { Deadlift, HandReleasePushUp, SprintDragCarry, Plank, TwoMileRun };

inline constexpr std::size_t kAftEventCount = 5;
inline constexpr std::array<AftEvent, kAftEventCount> kAftEvents = {
    AftEvent::Deadlift, AftEvent::HandReleasePushUp, AftEvent::SprintDragCarry, AftEvent::Plank,
    AftEvent::TwoMileRun};
inline constexpr int32_t kMaxEventPoints = 100;
inline constexpr int32_t kMaxTotalPoints = kMaxEventPoints * static_cast<int32_t>(kAftEventCount);

// The event's name in a sentence: "deadlift", "hand-release push-up", "sprint-drag-carry",
// "plank", "two-mile run".
std::string_view AftEventName(AftEvent event);
// The roster column of the event's points: "aft_deadlift", "aft_pushup", "aft_sdc",
// "aft_plank", "aft_run".
std::string_view AftEventColumn(AftEvent event);

// An event's points as written: one to three digits, 0 to 100 ("080" is 80). Anything
// else, blanks included, is none.
std::optional<int32_t> ParseEventPoints(std::string_view text);

struct FitnessTest {
  CalendarDate date;
  std::array<int32_t, kAftEventCount> points{};  // in the order of kAftEvents

  int32_t Points(AftEvent event) const { return points[static_cast<std::size_t>(event)]; }
  int32_t Total() const;

  bool operator==(const FitnessTest&) const = default;
};
