#include "standards/Exemption.h"

#include <stdexcept>

namespace {

void RequireCalendarDate(CalendarDate date) {
  if (!date.ok()) throw std::invalid_argument("not a calendar date");
}

void RequirePoints(const FitnessTest& test) {
  for (int32_t points : test.points) {
    if (points < 0 || points > kMaxEventPoints) throw std::invalid_argument("event points outside 0 to 100");
  }
}

std::string PointsText(int32_t points) { return std::to_string(points) + (points == 1 ? " point" : " points"); }

// "the plank scored 79 points, under 80", or for several events "the deadlift scored 75
// points, the plank 79 points and the two-mile run 60 points, each under 80".
std::string EventsUnderText(const ExemptionDecision& decision) {
  const FitnessTest& test = *decision.test;
  std::string text;
  for (std::size_t i = 0; i < decision.eventsUnder.size(); ++i) {
    const AftEvent event = decision.eventsUnder[i];
    if (i > 0) text += i + 1 == decision.eventsUnder.size() ? " and " : ", ";
    text += "the " + std::string(AftEventName(event)) + (i == 0 ? " scored " : " ") + PointsText(test.Points(event));
  }
  text += decision.eventsUnder.size() == 1 ? ", under " : ", each under ";
  return text + std::to_string(decision.rules.minimumPerEvent);
}

std::vector<std::string> Reasons(const ExemptionDecision& decision) {
  if (!decision.test) return {"no fitness test was given"};
  const FitnessTest& test = *decision.test;
  std::vector<std::string> reasons;
  if (!decision.eventsUnder.empty()) reasons.push_back(EventsUnderText(decision));
  if (decision.totalUnder) {
    reasons.push_back("the fitness test scored " + PointsText(test.Total()) + " in total, under " +
                      std::to_string(decision.rules.minimumTotal));
  }
  if (decision.beforeTest) {
    reasons.push_back("the assessment of " + FormatIsoDate(decision.assessed) + " is dated before the fitness test of " +
                      FormatIsoDate(test.date));
  }
  if (decision.tooOld) {
    reasons.push_back("the fitness test of " + FormatIsoDate(test.date) + " was valid until " +
                      FormatIsoDate(*decision.validUntil));
  }
  return reasons;
}

}  // namespace

ExemptionRules ExemptionRules::From(const TExemptTable& table) {
  return {table.Row(ExemptRow::MinimumTotal), table.Row(ExemptRow::MinimumPerEvent), table.Row(ExemptRow::MonthsActive),
          table.Row(ExemptRow::MonthsReserve)};
}

int32_t ExemptionRules::MonthsValid(Component component) const {
  return ServesInReserveComponent(component) ? monthsReserve : monthsActive;
}

ExemptionDecision DecideExemption(const std::optional<FitnessTest>& test, Component component,
                                  CalendarDate assessed, const ExemptionRules& rules) {
  RequireCalendarDate(assessed);
  ExemptionDecision decision;
  decision.rules = rules;
  decision.test = test;
  decision.assessed = assessed;
  if (!test) return decision;

  RequireCalendarDate(test->date);
  RequirePoints(*test);
  for (AftEvent event : kAftEvents) {
    if (test->Points(event) < rules.minimumPerEvent) decision.eventsUnder.push_back(event);
  }
  decision.totalUnder = test->Total() < rules.minimumTotal;
  decision.validUntil = PlusMonths(test->date, rules.MonthsValid(component));
  decision.beforeTest = assessed < test->date;
  decision.tooOld = assessed > *decision.validUntil;
  decision.exempt = decision.eventsUnder.empty() && !decision.totalUnder && !decision.beforeTest && !decision.tooOld;
  return decision;
}

ExemptionDecision DecideExemption(const std::optional<FitnessTest>& test, Component component,
                                  CalendarDate assessed) {
  return DecideExemption(test, component, assessed, ExemptionRules::From(ExemptTable));
}

std::string DescribeExemption(const ExemptionDecision& decision) {
  if (decision.exempt) {
    return "Exempt from the body fat standard (fitness test " + std::to_string(decision.test->Total()) + " on " +
           FormatIsoDate(decision.test->date) + ", valid until " + FormatIsoDate(*decision.validUntil) + ")";
  }
  std::string text = "No exemption: ";
  const std::vector<std::string> reasons = Reasons(decision);
  for (std::size_t i = 0; i < reasons.size(); ++i) text += (i > 0 ? "; " : "") + reasons[i];
  return text + ".";
}
