#include "standards/FitnessTest.h"

#include "standards/PlainDigits.h"

#include <numeric>

namespace {

constexpr std::size_t kMaxPointDigits = 3;

constexpr std::array<std::string_view, kAftEventCount> kEventNames = {
    "deadlift", "hand-release push-up", "sprint-drag-carry", "plank", "two-mile run"};
constexpr std::array<std::string_view, kAftEventCount> kEventColumns = {
    "aft_deadlift", "aft_pushup", "aft_sdc", "aft_plank", "aft_run"};

}  // namespace

std::string_view AftEventName(AftEvent event) { return kEventNames.at(static_cast<std::size_t>(event)); }

std::string_view AftEventColumn(AftEvent event) { return kEventColumns.at(static_cast<std::size_t>(event)); }

std::optional<int32_t> ParseEventPoints(std::string_view text) {
  const std::optional<int32_t> points = PlainDigits(text, kMaxPointDigits);
  if (points && *points > kMaxEventPoints) return std::nullopt;
  return points;
}

int32_t FitnessTest::Total() const { return std::accumulate(points.begin(), points.end(), int32_t{0}); }
