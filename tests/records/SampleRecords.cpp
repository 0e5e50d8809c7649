#include "tests/records/SampleRecords.h"

namespace {

constexpr double kMaxBodyFat = 26;

AssessmentRecord Identity(const QString& name, const QString& ssan, QDate date, int weight, Sex sex) {
  AssessmentRecord record;
  record.date = date;
  record.name = name;
  record.rank = QStringLiteral("SGT");
  record.ssan = ssan;
  record.sex = sex;
  record.age = 24;
  record.weight = weight;
  record.height = 69.75;
  record.typed = {.Name = name,
                  .SSANumber = ssan.isEmpty() ? QStringLiteral("   -  -    ") : ssan,
                  .Rank = QStringLiteral("SGT"),
                  .Age = QStringLiteral("24"),
                  .Height = QStringLiteral("69.75"),
                  .Weight = QString::number(weight).rightJustified(3, u' '),
                  .Sex = sex == Sex::Female ? QStringLiteral("Female") : QStringLiteral("Male")};
  record.results.maxBodyFat = kMaxBodyFat;
  record.results.maxWeight = 181;
  record.results.overScreening = weight > 181;
  record.tablesChecksum = QStringLiteral("9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08");
  return record;
}

void SetVerdict(AssessmentRecord& record, double bodyFat) {
  record.results.bodyFat = bodyFat;
  record.results.tapeWithin = bodyFat <= record.results.maxBodyFat;
  record.results.within = record.results.tapeWithin;
}

}  // namespace

AssessmentRecord MultiSiteMan(const QString& name, const QString& ssan, QDate date, int weight, double bodyFat) {
  AssessmentRecord record = Identity(name, ssan, date, weight, Sex::Male);
  record.tape.neck = {15.5, 15.75, 15.5};
  record.tape.abdomen = {36.25, 36.5, 36.25};
  record.results.avgNeck = 15.5;
  record.results.avgAbdomen = 36.25;
  record.results.abdomenNeckFactor = 41.3;
  record.results.heightFactor = 0.1 + 0.2;  // a double that prints long: kept bit for bit
  SetVerdict(record, bodyFat);
  return record;
}

AssessmentRecord MultiSiteWoman(const QString& name, const QString& ssan, QDate date, int weight, double bodyFat) {
  AssessmentRecord record = Identity(name, ssan, date, weight, Sex::Female);
  record.tape.hips = {40.25, 40.5, 40.25};
  record.tape.forearm = {10.0, 10.25, 10.0};
  record.tape.neck = {13.0, 13.25, 13.0};
  record.tape.wrist = {6.25, 6.25, 6.5};
  record.results.avgHips = 40.25;
  record.results.avgForearm = 10.0;
  record.results.avgNeck = 13.0;
  record.results.avgWrist = 6.25;
  record.results.weightFactor = 1.0 / 3.0;
  record.results.hipFactor = 27.58;
  record.results.heightFactor = 19.93;
  record.results.forearmFactor = 9.11;
  record.results.neckFactor = 17.29;
  record.results.wristFactor = 12.84;
  SetVerdict(record, bodyFat);
  return record;
}

AssessmentRecord OneSiteMan(const QString& name, const QString& ssan, QDate date, int weight, int bodyFat) {
  AssessmentRecord record = Identity(name, ssan, date, weight, Sex::Male);
  record.method = TapeMethod::OneSite;
  OneSiteMeasurements oneSite;
  oneSite.typed = {34.25, 36.0, 34.5, 34.75};
  oneSite.steps.sex = Sex::Male;
  oneSite.steps.weight = weight;
  oneSite.steps.equation = {.Intercept = -269700, .PerPound = -1200, .PerInch = 19900};
  oneSite.steps.halfInches = {69, 72, 69, 70};
  oneSite.steps.count = 4;
  oneSite.steps.setAside = 1;
  oneSite.steps.sumOfThree = 208;
  oneSite.steps.averageHalfInches = 69;
  oneSite.steps.bodyFat = int64_t{bodyFat} * 100000 - 12345;
  oneSite.steps.roundedBodyFat = bodyFat;
  oneSite.steps.maxBodyFat = static_cast<int32_t>(kMaxBodyFat);
  oneSite.steps.within = bodyFat <= kMaxBodyFat;
  record.oneSite = oneSite;
  record.results.avgAbdomen = 34.5;
  SetVerdict(record, bodyFat);
  return record;
}

AssessmentRecord WithExemptionAndSupplemental(AssessmentRecord record, bool exempt, int supplementalTenths) {
  const FitnessTest test{.date = CalendarDateOf(record.date.addDays(-20)), .points = {100, 95, 88, 100, 97}};
  record.exemption = FitnessExemption{.component = Component::Guard,
                                      .test = test,
                                      .exempt = exempt,
                                      .exemptUntil = exempt ? std::optional(PlusMonths(test.date, 12)) : std::nullopt};
  record.supplemental = SupplementalResult{.method = SupplementalMethod::Bia,
                                           .bodyFatTenths = supplementalTenths,
                                           .date = CalendarDateOf(record.date.addDays(3))};
  record.results.within = supplementalTenths <= record.results.maxBodyFat * 10;
  return record;
}
