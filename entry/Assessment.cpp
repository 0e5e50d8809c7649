#include "entry/Assessment.h"

#include <array>

std::string_view FinalVerdictName(FinalVerdict verdict) {
  static constexpr std::array<std::string_view, 3> kNames = {"within", "not within", "exempt"};
  return kNames.at(static_cast<std::size_t>(verdict));
}

std::optional<bool> Assessment::TapeWithin() const {
  if (Exempt()) return std::nullopt;
  return within;
}

int32_t Assessment::MaxBodyFat() const {
  if (Exempt()) return 0;
  // Both methods take the maximum from the whole percents of the standard table.
  return oneSite ? oneSite->maxBodyFat : static_cast<int32_t>(data.MaxBodyFat);
}

FinalVerdict Assessment::Verdict() const {
  if (Exempt()) return overScreening ? FinalVerdict::Exempt : FinalVerdict::Within;
  if (supplemental && TakesSupplemental())
    return SupplementalWithin(*supplemental, MaxBodyFat()) ? FinalVerdict::Within : FinalVerdict::NotWithin;
  return within ? FinalVerdict::Within : FinalVerdict::NotWithin;
}

void ApplyPolicy(const PolicyEntry& entry, Assessment& assessment) {
  assessment.date = entry.date;
  assessment.component = entry.component;
  assessment.exemption.reset();
  if (entry.test) assessment.exemption = DecideExemption(entry.test, entry.component, entry.date);
  if (assessment.Exempt()) assessment.within = true;
}
