#include "records/AssessmentConversion.h"

#include "entry/DataPageRules.h"

namespace {

bool OfWoman(const DataPageTexts& page) { return page.Sex == SexItem(Sex::Female); }

// The multi-site sets and results that the soldier's sex took, between the soldier's record
// and the record kept. `Data` and `Kept` are const or not, so that one list of pairs serves
// both ways.
template <typename Data, typename Kept, typename Each>
void MultiSiteFields(Data& data, Kept& kept, Sex sex, Each each) {
  auto& tape = kept.tape;
  auto& results = kept.results;
  if (sex == Sex::Female) {
    each(data.Hips, tape.hips);
    each(data.Arm, tape.forearm);
    each(data.FNeck, tape.neck);
    each(data.Wrist, tape.wrist);
    each(data.AvgHips, results.avgHips);
    each(data.AvgArm, results.avgForearm);
    each(data.AvgWrist, results.avgWrist);
    each(data.WeightFactor, results.weightFactor);
    each(data.HipFactor, results.hipFactor);
    each(data.ForearmFactor, results.forearmFactor);
    each(data.NeckFactor, results.neckFactor);
    each(data.WristFactor, results.wristFactor);
  } else {
    each(data.MNeck, tape.neck);
    each(data.Waist, tape.abdomen);
    each(data.AvgWaist, results.avgAbdomen);
    each(data.AbdNeckFactor, results.abdomenNeckFactor);
  }
  each(data.AvgNeck, results.avgNeck);
  each(data.HeightFactor, results.heightFactor);
  each(data.BodyFat, results.bodyFat);
  each(data.MaxBodyFat, results.maxBodyFat);
}

const auto kCopyToRecord = [](const auto& from, auto& to) { to = from; };
const auto kCopyToData = [](auto& to, const auto& from) { to = from; };

std::optional<FitnessExemption> ExemptionOf(const Assessment& assessment) {
  if (!assessment.exemption || !assessment.exemption->test) return std::nullopt;
  return FitnessExemption{.component = assessment.component,
                          .test = *assessment.exemption->test,
                          .exempt = assessment.exemption->exempt,
                          .exemptUntil = assessment.exemption->ExemptUntil()};
}

ExemptionDecision DecisionOf(const FitnessExemption& kept, CalendarDate assessed) {
  ExemptionDecision decision;
  decision.test = kept.test;
  decision.assessed = assessed;
  decision.validUntil = kept.exemptUntil;
  decision.exempt = kept.exempt;
  return decision;
}

}  // namespace

AssessmentRecord AssessmentRecordOf(const Assessment& assessment, const QString& tablesChecksum) {
  const TSoldierData& data = assessment.data;
  AssessmentRecord record;
  record.date = QDateOf(assessment.date);
  record.name = assessment.page.Name.trimmed();
  record.rank = assessment.page.Rank.trimmed();
  record.ssan = NormalizedSsan(assessment.page.SSANumber);
  record.sex = OfWoman(assessment.page) ? Sex::Female : Sex::Male;
  record.age = data.Age;
  record.weight = data.Weight;
  record.height = data.Height;
  record.method = assessment.method;
  record.typed = assessment.page;

  AssessmentResults& results = record.results;
  if (!assessment.Exempt()) {
    if (assessment.oneSite) {
      const OneSiteResult& steps = *assessment.oneSite;
      record.oneSite = OneSiteMeasurements{.typed = steps.typed, .steps = steps};
      results.avgAbdomen = steps.averageHalfInches / 2.0;
      results.bodyFat = static_cast<double>(steps.roundedBodyFat);
      results.maxBodyFat = steps.maxBodyFat;
    } else {
      MultiSiteFields(data, record, record.sex, kCopyToRecord);
    }
  }
  results.maxWeight = data.MaxWeight;
  results.overScreening = assessment.overScreening;
  results.tapeWithin = assessment.within;
  results.within = assessment.Verdict() == FinalVerdict::Within;
  record.exemption = ExemptionOf(assessment);
  if (assessment.supplemental && assessment.TakesSupplemental()) record.supplemental = assessment.supplemental;
  record.tablesChecksum = tablesChecksum;
  return record;
}

Assessment AssessmentOf(const AssessmentRecord& record) {
  Assessment assessment;
  assessment.page = record.typed;
  TSoldierData& data = assessment.data;
  StoreIdentity(record.typed.Name, record.typed.Rank, record.typed.SSANumber, data);
  data.Age = record.age;
  data.Weight = record.weight;
  data.Height = record.height;
  data.MaxWeight = record.results.maxWeight;
  if (record.oneSite) {
    OneSiteResult steps = record.oneSite->steps;
    steps.typed = record.oneSite->typed;
    assessment.oneSite = steps;
  } else {
    MultiSiteFields(data, record, record.sex, kCopyToData);
  }
  assessment.method = record.method;
  assessment.overScreening = record.results.overScreening;
  assessment.within = record.results.tapeWithin;
  assessment.date = CalendarDateOf(record.date);
  if (record.exemption) {
    assessment.component = record.exemption->component;
    assessment.exemption = DecisionOf(*record.exemption, assessment.date);
  }
  assessment.supplemental = record.supplemental;
  return assessment;
}
