#include "records/AbcpProgress.h"

namespace {

constexpr int32_t kSatisfactoryPounds = 3;
constexpr int64_t kSatisfactoryHundredths = 100;
constexpr int kMonthsBeforeFailing = 6;
constexpr int kUnsatisfactoryBeforeFailing = 3;

// Where the soldier's enrolment stands after each assessment.
struct Enrolment {
  bool enrolled = false;
  QDate since;
  int unsatisfactory = 0;        // in this enrolment, counting the latest
  bool lastUnsatisfactory = false;
};

bool ShowsProgress(const AssessmentRecord& previous, const AssessmentRecord& current) {
  return previous.weight - current.weight >= kSatisfactoryPounds ||
         FinalBodyFatHundredths(previous) - FinalBodyFatHundredths(current) >= kSatisfactoryHundredths;
}

// An assessment of an enrolled soldier that does not meet the standard.
AbcpProgress ProgressWhileEnrolled(Enrolment& enrolment, const AssessmentRecord& previous,
                                   const AssessmentRecord& current) {
  if (ShowsProgress(previous, current)) {
    enrolment.lastUnsatisfactory = false;
    return AbcpProgress::Satisfactory;
  }
  ++enrolment.unsatisfactory;
  // The exemption's month-end rule: the same day of the month, or the month's last day.
  const bool longEnrolled =
      CalendarDateOf(current.date) >= PlusMonths(CalendarDateOf(enrolment.since), kMonthsBeforeFailing);
  const bool failing = enrolment.lastUnsatisfactory ||
                       (longEnrolled && enrolment.unsatisfactory >= kUnsatisfactoryBeforeFailing);
  enrolment.lastUnsatisfactory = true;
  return failing ? AbcpProgress::Failing : AbcpProgress::Unsatisfactory;
}

}  // namespace

std::vector<AbcpProgress> AbcpProgressOf(std::span<const AssessmentRecord> history) {
  std::vector<AbcpProgress> progress;
  progress.reserve(history.size());
  Enrolment enrolment;
  for (std::size_t i = 0; i < history.size(); ++i) {
    const AssessmentRecord& current = history[i];
    const bool meets = MeetsStandard(current);
    if (!enrolment.enrolled) {
      if (meets) {
        progress.push_back(AbcpProgress::None);
      } else {
        enrolment = Enrolment{.enrolled = true, .since = current.date};
        progress.push_back(AbcpProgress::Enrolled);
      }
    } else if (meets) {
      enrolment = Enrolment{};
      progress.push_back(AbcpProgress::Released);
    } else {
      progress.push_back(ProgressWhileEnrolled(enrolment, history[i - 1], current));
    }
  }
  return progress;
}

QString AbcpProgressName(AbcpProgress progress) {
  switch (progress) {
    case AbcpProgress::Enrolled: return QStringLiteral("enrolled");
    case AbcpProgress::Released: return QStringLiteral("released");
    case AbcpProgress::Satisfactory: return QStringLiteral("satisfactory");
    case AbcpProgress::Unsatisfactory: return QStringLiteral("unsatisfactory");
    case AbcpProgress::Failing: return QStringLiteral("failing");
    case AbcpProgress::None: break;
  }
  return {};
}
