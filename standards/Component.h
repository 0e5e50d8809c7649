#pragma once
// The component of the Army a soldier serves in, which sets how long a fitness test keeps
// the soldier exempt from the body fat standard.

#include <optional>
#include <string_view>

enum class Component {
  Regular,  // Regular Army
  Agr,      // Active Guard and Reserve
  Guard,    // Army National Guard, not on active duty
  Reserve,  // Army Reserve, not on active duty
};

// The name rosters use: "regular", "agr", "guard", "reserve".
std::string_view ComponentName(Component component);
// The name in a sentence or a list: "Regular Army", "Active Guard and Reserve (AGR)",
// "Army National Guard", "Army Reserve".
std::string_view ComponentLongName(Component component);

// The component a text names by its roster name, in any case; an empty text is the Regular
// Army. Anything else, blanks included, is none.
std::optional<Component> ParseComponent(std::string_view text);

// Whether a test keeps the soldier exempt for the months of the Army National Guard and
// Army Reserve rather than those of the active components.
bool ServesInReserveComponent(Component component);
