#include "standards/Component.h"

#include "standards/NamedChoice.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 4> kNames = {"regular", "agr", "guard", "reserve"};
constexpr std::array<std::string_view, 4> kLongNames = {"Regular Army", "Active Guard and Reserve (AGR)",
                                                        "Army National Guard", "Army Reserve"};

}  // namespace

std::string_view ComponentName(Component component) { return kNames.at(static_cast<std::size_t>(component)); }

std::string_view ComponentLongName(Component component) {
  return kLongNames.at(static_cast<std::size_t>(component));
}

std::optional<Component> ParseComponent(std::string_view text) {
  if (text.empty()) return Component::Regular;
  const auto index = FindNameIgnoringCase(text, kNames);
  if (!index) return std::nullopt;
  return static_cast<Component>(*index);
}

bool ServesInReserveComponent(Component component) {
  return component == Component::Guard || component == Component::Reserve;
}
