#pragma once
// The two tape methods of the body-fat assessment and the names settings and files use for
// them.

#include <optional>
#include <string_view>

enum class TapeMethod {
  MultiSite,  // neck and abdomen, or hips, forearm, neck and wrist, through the factor tables
  OneSite,    // the abdomen at the navel, through the one-site equation
};

inline constexpr std::string_view TapeMethodName(TapeMethod method) {
  return method == TapeMethod::OneSite ? "one-site" : "multi-site";
}

inline std::optional<TapeMethod> TapeMethodNamed(std::string_view name) {
  for (TapeMethod method : {TapeMethod::MultiSite, TapeMethod::OneSite})
    if (name == TapeMethodName(method)) return method;
  return std::nullopt;
}
