#include "records/RecordColumns.h"

#include <cmath>

namespace {

// The column values of the record's field types.
// An empty text is kept as one: Qt's drivers bind a null QString as NULL.
QVariant ToVariant(const QString& text) { return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text); }
QVariant ToVariant(int32_t number) { return number; }
QVariant ToVariant(int64_t number) { return qlonglong{number}; }
QVariant ToVariant(double number) { return number; }
QVariant ToVariant(bool flag) { return flag ? 1 : 0; }
// Dates as ISO text (yyyy-MM-dd), which sorts by date; NULL for none.
QVariant ToVariant(const CalendarDate& date) {
  return date.ok() ? QVariant(QString::fromStdString(FormatIsoDate(date))) : QVariant(QMetaType::fromType<QString>());
}
QVariant ToVariant(const QDate& date) { return ToVariant(CalendarDateOf(date)); }
QVariant ToVariant(const std::optional<CalendarDate>& date) { return ToVariant(date.value_or(CalendarDate{})); }

void Take(const QVariant& value, QString& text) { text = value.toString(); }
void Take(const QVariant& value, int32_t& number) { number = value.toInt(); }
void Take(const QVariant& value, int64_t& number) { number = value.toLongLong(); }
void Take(const QVariant& value, double& number) { number = value.toDouble(); }
void Take(const QVariant& value, bool& flag) { flag = value.toInt() != 0; }
void Take(const QVariant& value, CalendarDate& date) {
  date = ParseIsoDate(value.toString().toStdString()).value_or(CalendarDate{});
}
void Take(const QVariant& value, std::optional<CalendarDate>& date) {
  date = ParseIsoDate(value.toString().toStdString());
}
void Take(const QVariant& value, QDate& date) {
  CalendarDate calendar;
  Take(value, calendar);
  date = QDateOf(calendar);
}

QString Text(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

// A column of a field every record has; `field` gives the field of a record, const or not.
template <typename Field>
RecordColumn Column(const char* name, Field field) {
  return {name, [field](const AssessmentRecord& record) { return ToVariant(field(record)); },
          [field](AssessmentRecord& record, const QVariant& value) { Take(value, field(record)); }};
}

// A column of an optional part; the part's opening column makes the part when it holds a
// value.
enum class Opens { No, Yes };
template <typename Part, typename Field>
RecordColumn PartColumn(const char* name, std::optional<Part> AssessmentRecord::*part, Field field,
                        Opens opens = Opens::No) {
  return {name,
          [part, field](const AssessmentRecord& record) {
            if (record.*part) return ToVariant(field(*(record.*part)));
            const Part blank{};
            return QVariant(ToVariant(field(blank)).metaType());  // NULL of the column's type
          },
          [part, field, opens](AssessmentRecord& record, const QVariant& value) {
            if (value.isNull()) return;
            if (opens == Opens::Yes) (record.*part).emplace();
            if (record.*part) Take(value, field(*(record.*part)));
          }};
}

// The column that opens an optional part: the name of one of a closed set (a component, a
// method) that the standards write and read back.
template <typename Part, typename Value>
RecordColumn OpeningNameColumn(const char* name, std::optional<Part> AssessmentRecord::*part, Value Part::*member,
                               std::string_view (*toName)(Value), std::optional<Value> (*parse)(std::string_view)) {
  return {name,
          [=](const AssessmentRecord& record) {
            if (!(record.*part)) return QVariant(QMetaType::fromType<QString>());
            return QVariant(Text(toName(*(record.*part).*member)));
          },
          [=](AssessmentRecord& record, const QVariant& value) {
            const std::optional<Value> named = parse(value.toString().toStdString());
            if (value.isNull() || !named) return;
            (record.*part).emplace();
            *(record.*part).*member = *named;
          }};
}

// A column of text from a closed set of names.
template <typename Field, typename Name, typename Named>
RecordColumn NamedColumn(const char* name, Field field, Name toName, Named fromName) {
  return {name, [field, toName](const AssessmentRecord& record) { return QVariant(toName(field(record))); },
          [field, fromName](AssessmentRecord& record, const QVariant& value) {
            field(record) = fromName(value.toString());
          }};
}

QString SexName(Sex sex) { return sex == Sex::Female ? QStringLiteral("Female") : QStringLiteral("Male"); }
Sex SexNamed(const QString& name) { return name == QStringLiteral("Female") ? Sex::Female : Sex::Male; }
QString MethodName(TapeMethod method) { return Text(TapeMethodName(method)); }
TapeMethod MethodNamed(const QString& name) {
  return TapeMethodNamed(name.toStdString()).value_or(TapeMethod::MultiSite);
}

#define FIELD(path) [](auto& r) -> auto& { return r.path; }

// The three (or four) columns of a set of measurements, "neck1" to "neck3".
template <typename Set>
void AppendSet(std::vector<RecordColumn>& columns, const std::array<const char*, 3>& names, Set set) {
  for (std::size_t i = 0; i < names.size(); ++i)
    columns.push_back(Column(names[i], [set, i](auto& r) -> auto& { return set(r)[i]; }));
}

std::vector<RecordColumn> MakeColumns() {
  std::vector<RecordColumn> columns = {
      {"soldier_key", [](const AssessmentRecord& r) { return QVariant(SoldierKey(r)); }, [](AssessmentRecord&, const QVariant&) {}},
      Column("assessed_on", FIELD(date)),
      {"name_key", [](const AssessmentRecord& r) { return QVariant(NameKey(r.name)); }, [](AssessmentRecord&, const QVariant&) {}},
      Column("name", FIELD(name)),
      Column("rank", FIELD(rank)),
      Column("ssan", FIELD(ssan)),
      NamedColumn("sex", FIELD(sex), SexName, SexNamed),
      Column("age", FIELD(age)),
      Column("weight", FIELD(weight)),
      Column("height", FIELD(height)),
      NamedColumn("method", FIELD(method), MethodName, MethodNamed),
      Column("page_name", FIELD(typed.Name)),
      Column("page_ssan", FIELD(typed.SSANumber)),
      Column("page_rank", FIELD(typed.Rank)),
      Column("page_age", FIELD(typed.Age)),
      Column("page_height", FIELD(typed.Height)),
      Column("page_weight", FIELD(typed.Weight)),
      Column("page_sex", FIELD(typed.Sex)),
  };
  AppendSet(columns, {"neck1", "neck2", "neck3"}, FIELD(tape.neck));
  AppendSet(columns, {"abdomen1", "abdomen2", "abdomen3"}, FIELD(tape.abdomen));
  AppendSet(columns, {"hips1", "hips2", "hips3"}, FIELD(tape.hips));
  AppendSet(columns, {"forearm1", "forearm2", "forearm3"}, FIELD(tape.forearm));
  AppendSet(columns, {"wrist1", "wrist2", "wrist3"}, FIELD(tape.wrist));

  const auto oneSite = &AssessmentRecord::oneSite;
  columns.push_back(PartColumn("onesite_count", oneSite, FIELD(steps.count), Opens::Yes));
  const std::array<const char*, 4> typed = {"onesite_typed1", "onesite_typed2", "onesite_typed3", "onesite_typed4"};
  const std::array<const char*, 4> half = {"onesite_half1", "onesite_half2", "onesite_half3", "onesite_half4"};
  for (std::size_t i = 0; i < typed.size(); ++i) {
    columns.push_back(PartColumn(typed[i], oneSite, [i](auto& p) -> auto& { return p.typed[i]; }));
    columns.push_back(PartColumn(half[i], oneSite, [i](auto& p) -> auto& { return p.steps.halfInches[i]; }));
  }
  for (RecordColumn column : {
           PartColumn("onesite_set_aside", oneSite, FIELD(steps.setAside)),
           PartColumn("onesite_sum", oneSite, FIELD(steps.sumOfThree)),
           PartColumn("onesite_average", oneSite, FIELD(steps.averageHalfInches)),
           PartColumn("onesite_body_fat", oneSite, FIELD(steps.bodyFat)),
           PartColumn("onesite_intercept", oneSite, FIELD(steps.equation.Intercept)),
           PartColumn("onesite_per_pound", oneSite, FIELD(steps.equation.PerPound)),
           PartColumn("onesite_per_inch", oneSite, FIELD(steps.equation.PerInch)),
           Column("avg_neck", FIELD(results.avgNeck)),
           Column("avg_abdomen", FIELD(results.avgAbdomen)),
           Column("avg_hips", FIELD(results.avgHips)),
           Column("avg_forearm", FIELD(results.avgForearm)),
           Column("avg_wrist", FIELD(results.avgWrist)),
           Column("abdomen_neck_factor", FIELD(results.abdomenNeckFactor)),
           Column("height_factor", FIELD(results.heightFactor)),
           Column("weight_factor", FIELD(results.weightFactor)),
           Column("hip_factor", FIELD(results.hipFactor)),
           Column("forearm_factor", FIELD(results.forearmFactor)),
           Column("neck_factor", FIELD(results.neckFactor)),
           Column("wrist_factor", FIELD(results.wristFactor)),
           Column("body_fat", FIELD(results.bodyFat)),
           Column("max_body_fat", FIELD(results.maxBodyFat)),
           Column("max_weight", FIELD(results.maxWeight)),
           Column("over_screening", FIELD(results.overScreening)),
           Column("within", FIELD(results.tapeWithin)),
           Column("final_within", FIELD(results.within)),
           Column("tables_checksum", FIELD(tablesChecksum)),
       })
    columns.push_back(column);

  const auto exemption = &AssessmentRecord::exemption;
  columns.push_back(OpeningNameColumn("exempt_component", exemption, &FitnessExemption::component, ComponentName,
                                      ParseComponent));
  columns.push_back(PartColumn("fitness_test_on", exemption, FIELD(test.date)));
  const std::array<const char*, kAftEventCount> points = {"fitness_score1", "fitness_score2", "fitness_score3",
                                                          "fitness_score4", "fitness_score5"};
  for (std::size_t i = 0; i < points.size(); ++i)
    columns.push_back(PartColumn(points[i], exemption, [i](auto& p) -> auto& { return p.test.points[i]; }));
  columns.push_back(PartColumn("exempt", exemption, FIELD(exempt)));
  columns.push_back(PartColumn("exempt_until", exemption, FIELD(exemptUntil)));

  const auto supplemental = &AssessmentRecord::supplemental;
  columns.push_back(OpeningNameColumn("supplemental_method", supplemental, &SupplementalResult::method,
                                      SupplementalMethodName, ParseSupplementalMethod));
  columns.push_back(PartColumn("supplemental_body_fat", supplemental, FIELD(bodyFatTenths)));
  columns.push_back(PartColumn("supplemental_on", supplemental, FIELD(date)));
  return columns;
}

#undef FIELD

}  // namespace

void CompleteFromColumns(AssessmentRecord& record) {
  if (!record.oneSite) return;
  OneSiteResult& steps = record.oneSite->steps;
  steps.typed = record.oneSite->typed;
  steps.sex = record.sex;
  steps.weight = record.weight;
  steps.roundedBodyFat = std::llround(record.results.bodyFat);
  steps.maxBodyFat = static_cast<int32_t>(std::lround(record.results.maxBodyFat));
  steps.within = record.results.tapeWithin;
}

const std::vector<RecordColumn>& RecordColumns() {
  static const std::vector<RecordColumn> columns = MakeColumns();
  return columns;
}
