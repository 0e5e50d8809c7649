#pragma once
// One soldier's assessment as a value: the data page as it read, the record with the
// screening and the multi-site results, the tape method and the verdict by it; the date of
// the assessment, the soldier's component, the decision on the fitness-test exemption and a
// supplemental body-fat result, which together give the final verdict. The wizard holds the
// one of the soldier on its results page; each accepted roster row yields one. Nothing here
// refers to a window or to the wizard's own record.

#include "entry/DataPageTexts.h"
#include "standards/CalendarDate.h"
#include "standards/Component.h"
#include "standards/Exemption.h"
#include "standards/OneSite.h"
#include "standards/Records.h"
#include "standards/Supplemental.h"
#include "standards/TapeMethod.h"

#include <cstdint>
#include <optional>
#include <string_view>

// How an assessment ends: within the standard (by the tape, a supplemental result, or an
// exemption under the screening weight), not within it, or exempt from it over the
// screening weight.
enum class FinalVerdict { Within, NotWithin, Exempt };

// "within", "not within", "exempt": the words of the results file.
std::string_view FinalVerdictName(FinalVerdict verdict);

struct Assessment {
  DataPageTexts page;   // the data page's fields, which the worksheet prints as typed
  TSoldierData data{};  // identity, body, measurements; MaxWeight; the multi-site results
  TapeMethod method = TapeMethod::MultiSite;
  bool overScreening = false;  // the weight is over the screening weight
  // The verdict of the tape by the method: within standards. An exempt soldier is not
  // taped; for one the value is true and TapeWithin() is none.
  bool within = false;
  std::optional<OneSiteResult> oneSite{};  // the one-site result; none by the multi-site method
  CalendarDate date{};                   // the day of the assessment
  Component component = Component::Regular;
  // The decision on the fitness test given, which holds the test; none when no test was
  // given.
  std::optional<ExemptionDecision> exemption{};
  // A supplemental body-fat result; only for a soldier taped and not within by the tape.
  std::optional<SupplementalResult> supplemental{};

  // Exempt from the body fat standard by the fitness test: no tape measurement is taken.
  bool Exempt() const { return exemption && exemption->exempt; }
  // The verdict of the tape; none for an exempt soldier, who is not taped.
  std::optional<bool> TapeWithin() const;
  // Whether a supplemental result may decide: the soldier was taped and is not within by it.
  bool TakesSupplemental() const { return !Exempt() && !within; }
  // The maximum body fat of the soldier's age bracket and sex, in whole percent, as the tape
  // method compared it; 0 for an exempt soldier, who has no tape result.
  int32_t MaxBodyFat() const;
  // The final verdict: the exemption's, else the supplemental result's, else the tape's.
  FinalVerdict Verdict() const;
  // Within the standard or exempt from it: the worksheet marks compliance.
  bool Complies() const { return Verdict() != FinalVerdict::NotWithin; }
};

// What is given beside the data page for the rules of 2026: the date of the assessment, the
// component, and the last record fitness test when there is one.
struct PolicyEntry {
  CalendarDate date{};
  Component component = Component::Regular;
  std::optional<FitnessTest> test;
};

// Takes the entry's date and component into the assessment and decides the exemption by its
// test (none without a test), on the loaded exemption table.
void ApplyPolicy(const PolicyEntry& entry, Assessment& assessment);
