#pragma once
// The exemption from the body fat standard by the last record fitness test. A soldier whose
// test scored at least the minimum in each of its five events and in total is not taped,
// whatever the screening weight, when assessed on or after the test's date and on or before
// its last valid day: the test's date plus the months of the soldier's component. The
// thresholds come from EXEMPT.TBL.

#include "standards/CalendarDate.h"
#include "standards/Component.h"
#include "standards/FitnessTest.h"
#include "standards/Tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The thresholds one decision applies.
struct ExemptionRules {
  int32_t minimumTotal = 0;
  int32_t minimumPerEvent = 0;
  int32_t monthsActive = 0;   // Regular Army and AGR
  int32_t monthsReserve = 0;  // Army National Guard and Army Reserve

  static ExemptionRules From(const TExemptTable& table);
  int32_t MonthsValid(Component component) const;

  bool operator==(const ExemptionRules&) const = default;
};

// The decision for one assessment, with everything its sentence names.
struct ExemptionDecision {
  ExemptionRules rules;
  std::optional<FitnessTest> test;        // none: no test was given
  CalendarDate assessed;
  std::optional<CalendarDate> validUntil;  // the test's last valid day; none without a test
  std::vector<AftEvent> eventsUnder;       // events under the minimum points, in event order
  bool totalUnder = false;                 // the total is under the minimum
  bool beforeTest = false;                 // the assessment is dated before the test
  bool tooOld = false;                     // the assessment is dated after the last valid day
  bool exempt = false;                     // a test was given and none of the above holds

  // The last day of the exemption, when the soldier is exempt (a roster's exempt_until).
  std::optional<CalendarDate> ExemptUntil() const { return exempt ? validUntil : std::nullopt; }
};

// Decides the exemption for an assessment on `assessed` of a soldier of `component` whose
// last record test is `test` (none when no test was given). Throws std::invalid_argument
// for a date the calendar lacks or outside the years 0 to 9999, or points outside 0 to 100.
ExemptionDecision DecideExemption(const std::optional<FitnessTest>& test, Component component,
                                  CalendarDate assessed, const ExemptionRules& rules);
// The same by the loaded ExemptTable.
ExemptionDecision DecideExemption(const std::optional<FitnessTest>& test, Component component,
                                  CalendarDate assessed);

// The decision in a sentence, as the results page and the worksheets show it:
//   "Exempt from the body fat standard (fitness test 485 on 2026-03-02, valid until 2026-11-02)"
// or "No exemption: " with every reason, separated by semicolons, and a full stop:
//   "no fitness test was given"
//   "the plank scored 79 points, under 80"
//   "the deadlift scored 75 points and the plank 79 points, each under 80"
//   "the fitness test scored 464 points in total, under 465"
//   "the assessment of 2026-03-01 is dated before the fitness test of 2026-03-02"
//   "the fitness test of 2025-01-10 was valid until 2025-09-10"
std::string DescribeExemption(const ExemptionDecision& decision);
