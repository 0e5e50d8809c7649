#pragma once
// One assessment as the records keep it: who was assessed and when, what was typed and
// measured, what the computations gave, and, when there are any, the fitness-test
// exemption and the supplemental body-fat result. Plain values, filled from the program's
// assessment when it is recorded and read back whole, so that a history, the ABCP progress
// and a reprint of the worksheet need nothing else.

#include "entry/DataPageTexts.h"
#include "standards/CalendarDate.h"
#include "standards/Component.h"
#include "standards/FitnessTest.h"
#include "standards/OneSite.h"
#include "standards/Records.h"
#include "standards/Supplemental.h"
#include "standards/TapeMethod.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The multi-site tape's three sets, each measurement on the quarter inch as the
// computation took it. Men: neck and abdomen; women: hips, forearm, neck and wrist; the
// other sex's sets stay 0.
struct TapeMeasurements {
  std::array<double, 3> neck{};
  std::array<double, 3> abdomen{};
  std::array<double, 3> hips{};
  std::array<double, 3> forearm{};
  std::array<double, 3> wrist{};

  bool operator==(const TapeMeasurements&) const = default;
};

// The one-site tape: the abdominal measurements as typed (the fourth 0 when the first three
// did not need it) and every step of the computation as the worksheet prints it. Of
// `steps`, the measurements as typed, the sex, weight, rounded body fat, maximum and verdict
// repeat the record's own fields.
struct OneSiteMeasurements {
  std::array<double, 4> typed{};
  OneSiteResult steps;

  bool operator==(const OneSiteMeasurements& other) const;
};

// What the computations gave, as the results page shows it. A one-site assessment has only
// avgAbdomen (the average its equation takes, on the half inch), its body fat and maximum
// in whole percents, and the weights and verdicts.
struct AssessmentResults {
  double avgNeck = 0;
  double avgAbdomen = 0;
  double avgHips = 0;
  double avgForearm = 0;
  double avgWrist = 0;
  double abdomenNeckFactor = 0;
  double heightFactor = 0;
  double weightFactor = 0;
  double hipFactor = 0;
  double forearmFactor = 0;
  double neckFactor = 0;
  double wristFactor = 0;
  double bodyFat = 0;     // percent
  double maxBodyFat = 0;  // percent
  int32_t maxWeight = 0;  // pounds, from the screening table
  bool overScreening = false;
  bool tapeWithin = false;  // the tape's verdict
  bool within = false;      // the final verdict: the supplemental result's when there is one

  bool operator==(const AssessmentResults&) const = default;
};

// The fitness-test exemption decided for the assessment, when a fitness test was given:
// the soldier's component, the record fitness test, and whether it exempts the soldier
// from the body-fat standard, and until when.
struct FitnessExemption {
  Component component = Component::Regular;
  FitnessTest test;
  bool exempt = false;
  std::optional<CalendarDate> exemptUntil;  // the test's last valid day, when exempt

  bool operator==(const FitnessExemption&) const = default;
};

struct AssessmentRecord {
  QDate date;  // the assessment date (the dates of its parts are the standards' CalendarDate)

  // Identity and body, as the data page collected them.
  QString name;  // upper-cased, as the wizard stores it
  QString rank;
  QString ssan;  // "000-00-0000", or empty when none was typed
  Sex sex = Sex::Male;
  int32_t age = 0;     // years
  int32_t weight = 0;  // whole pounds
  double height = 0;   // inches, on the quarter inch
  TapeMethod method = TapeMethod::MultiSite;
  DataPageTexts typed;  // the data page's fields as typed, which the worksheet prints

  // The measurements of the record's method: `tape` for the multi-site method, `oneSite`
  // (present exactly then) for the one-site method. A soldier exempt from the tape has
  // neither.
  TapeMeasurements tape;
  std::optional<OneSiteMeasurements> oneSite;

  AssessmentResults results;
  std::optional<FitnessExemption> exemption;
  std::optional<SupplementalResult> supplemental;

  QString tablesChecksum;  // of the standards tables the results came from (TablesChecksum)

  bool operator==(const AssessmentRecord&) const = default;
};

// The key that tells one soldier's records from another's: the SSAN when one was typed
// (all nine digits), else the name, upper-cased. The two kinds never meet:
// "ssan:123-45-6789", "name:DOE JOHN".
QString SoldierKey(const AssessmentRecord& record);
// The name as a search finds it: trimmed and upper-cased.
QString NameKey(const QString& name);
// "123-45-6789" for nine digits with or without the two dashes (blanks around them
// ignored); empty for anything else, such as a field left blank or typed in part.
QString NormalizedSsan(const QString& text);

// The body fat that decides the final verdict, in hundredths of a percent: the
// supplemental result's when there is one, else the tape's as the results page shows it
// (two decimals for the multi-site method, the whole percent for the one-site method).
int64_t FinalBodyFatHundredths(const AssessmentRecord& record);
// Whether the assessment meets the standard: within by the final verdict, or exempt.
bool MeetsStandard(const AssessmentRecord& record);

// The same day as a CalendarDate, which the exemption and the supplemental result are
// dated by, and back; an invalid date is not ok(), and back.
CalendarDate CalendarDateOf(QDate date);
QDate QDateOf(CalendarDate date);
