#include "roster/SoldierRow.h"

#include "entry/DataPageRules.h"
#include "entry/FieldNumbers.h"
#include "entry/OneSiteFields.h"
#include "roster/FieldEntry.h"
#include "roster/PolicyColumns.h"
#include "roster/ValueHints.h"
#include "roster/WrittenNames.h"
#include "standards/Calculate.h"
#include "standards/TapeMethod.h"

#include <array>
#include <span>
#include <vector>

namespace {

// The data page's columns, which every record reads.
constexpr const char* kDataPageColumns[] = {"name", "rank", "ssan", "sex", "age", "weight", "height"};

// A measurement column group and the record's set of three it fills.
struct MeasuredSet {
  const char* column;  // the columns are <column>1 to <column>3
  std::array<double, 3> TSoldierData::*values;
};

// The sets of each sex in the order the wizard reads its measurement page's fields.
constexpr MeasuredSet kMaleSets[] = {{"neck", &TSoldierData::MNeck}, {"abdomen", &TSoldierData::Waist}};
constexpr MeasuredSet kFemaleSets[] = {{"hips", &TSoldierData::Hips},
                                       {"forearm", &TSoldierData::Arm},
                                       {"neck", &TSoldierData::FNeck},
                                       {"wrist", &TSoldierData::Wrist}};

// The column of a set's measurement: "neck1" for the first of "neck".
QByteArray NumberedColumn(const char* column, int number) { return column + QByteArray::number(number); }

// The one-site page's fields are abdomen1 to abdomen4; the fourth is read only when asked
// for.
constexpr const char* kAbdomen = "abdomen";

// The column to blame for a value outside its table.
QString ColumnOfQuantity(const std::string& quantity) {
  static const std::pair<const char*, const char*> columns[] = {
      {"Abdomen minus neck", "abdomen"}, {"Average hips", "hips"},   {"Average forearm", "forearm"},
      {"Average neck", "neck"},          {"Average wrist", "wrist"},
  };
  for (const auto& [name, column] : columns)
    if (quantity == name) return QLatin1String(column);
  return QString::fromStdString(quantity).toLower();  // "Height", "Weight"
}

std::optional<Sex> ReadSex(const QString& value) {
  const QString sex = value.toLower();
  if (sex == QLatin1String("male") || sex == QLatin1String("m")) return Sex::Male;
  if (sex == QLatin1String("female") || sex == QLatin1String("f")) return Sex::Female;
  return std::nullopt;
}

// The method is read however a spreadsheet user writes it ("One Site", "onesite"); an
// empty one is the multi-site method, as for a roster without the column.
std::optional<TapeMethod> ReadMethod(const QString& value) {
  if (value.isEmpty()) return TapeMethod::MultiSite;
  return TapeMethodWritten(value);
}

// What each masked field of a roster takes: the age is its only two-digit field, the
// weight its only three-digit one, and the decimal fields take inches.
ValueKind KindOfField(MaskFormat format) {
  switch (format) {
    case MaskFormat::Ssan: return ValueKind::Ssan;
    case MaskFormat::TwoDigit: return ValueKind::Age;
    case MaskFormat::ThreeDigit: return ValueKind::Weight;
    case MaskFormat::Decimal: break;
  }
  return ValueKind::Inches;
}

class RowEvaluation {
 public:
  RowEvaluation(const RosterHeader& header, const QStringList& record, CalendarDate today, SoldierRow& row)
      : header_(header), record_(record), today_(today), row_(row) {}

  void Run() {
    row_.name = UpperCased(Value("name"));
    row_.rank = UpperCased(Value("rank"));
    const QString sexValue = Value("sex");
    const std::optional<Sex> sex = ReadSex(sexValue);
    row_.sex = sex ? SexItem(*sex) : sexValue;
    const QString methodValue = Value("method");
    const std::optional<TapeMethod> method = ReadMethod(methodValue);
    row_.method = method ? TapeMethodText(*method) : methodValue;
    // The date, component and fitness test decide whether the record reads measurements.
    const PolicyReading policy = ReadPolicyColumns(header_, record_, today_);
    if (!policy.refusal) ApplyPolicy(policy.entry, assessment_);

    if (RefuseMissingColumns(method, sex)) return;
    if (const std::optional<qsizetype> unnamed = header_.UnnamedValue(record_))
      return Refuse(QStringLiteral("column %1").arg(*unnamed + 1),
                    QStringLiteral("The first row names no column for this value."));
    if (row_.name.size() > kNameLength) return Refuse("name", InvalidValueMessage(ValueKind::Name, row_.name));
    if (row_.rank.size() > kRankLength) return Refuse("rank", InvalidValueMessage(ValueKind::Rank, row_.rank));
    DataPageTexts& page = assessment_.page;
    if (!Type(MaskFormat::Ssan, "ssan", page.SSANumber) ||
        !TypeChecked(MaskFormat::TwoDigit, "age", page.Age, AgeExitCheck) ||
        !TypeChecked(MaskFormat::ThreeDigit, "weight", page.Weight, WeightExitCheck) ||
        !TypeChecked(MaskFormat::Decimal, "height", page.Height, HeightExitCheck))
      return;
    if (!sex) return Refuse("sex", InvalidValueMessage(ValueKind::Sex, sexValue));
    if (!method) return Refuse("method", QStringLiteral("The method is one-site or multi-site."));
    if (policy.refusal) return Refuse(policy.refusal->column, policy.refusal->message);
    page.Name = row_.name;
    page.Rank = row_.rank;
    page.Sex = row_.sex;
    assessment_.method = *method;

    if (!CollectDataPage(*sex)) return;
    // An exempt soldier is not taped.
    if (!assessment_.Exempt() && !(*method == TapeMethod::OneSite ? AssessOneSite(*sex) : AssessMultiSite(*sex)))
      return;
    // A supplemental result decides for a soldier the tape finds not within standards only.
    if (assessment_.TakesSupplemental()) assessment_.supplemental = policy.supplemental;
    row_.assessment = std::move(assessment_);
  }

 private:
  QString Value(const char* column) const { return header_.Value(record_, column); }

  void Refuse(const QString& column, const QString& message) { row_.refusal = RowRefusal{column, message}; }
  void Refuse(const char* column, const QString& message) { Refuse(QLatin1String(column), message); }

  // Refuses the record when the roster lacks columns that it reads, naming every one; the
  // first of them is the column blamed.
  bool RefuseMissingColumns(std::optional<TapeMethod> method, std::optional<Sex> sex) {
    QStringList missing;
    for (const QByteArray& column : ColumnsRead(method, sex, assessment_.Exempt()))
      if (!header_.Has(column.constData())) missing << QString::fromLatin1(column);
    if (missing.isEmpty()) return false;
    const QString reader =
        method ? QStringLiteral("this %1 row").arg(TapeMethodText(*method)) : QStringLiteral("this row");
    Refuse(missing.first(), (missing.size() == 1 ? QStringLiteral("The roster has no column %1, which %2 reads.")
                                                 : QStringLiteral("The roster has no columns %1, which %2 reads."))
                                .arg(missing.join(QStringLiteral(", ")), reader));
    return true;
  }

  // Types the column's value into a field of the format; false (refused) when it cannot.
  bool Type(MaskFormat format, const char* column, QString& fieldText) {
    const QString value = Value(column);
    const std::optional<QString> text = EnterIntoField(format, value);
    if (!text) {
      Refuse(column, InvalidValueMessage(KindOfField(format), value));
      return false;
    }
    fieldText = *text;
    return true;
  }

  // Types the value, then runs the field's exit check as the focus leaves it.
  bool TypeChecked(MaskFormat format, const char* column, QString& fieldText,
                   std::optional<QString> (*exitCheck)(const QString&)) {
    if (!Type(format, column, fieldText)) return false;
    if (const std::optional<QString> refusal = exitCheck(fieldText)) {
      Refuse(column, *refusal);
      return false;
    }
    return true;
  }

  bool CollectDataPage(Sex sex) {
    const DataPageTexts& page = assessment_.page;
    TSoldierData& data = assessment_.data;
    StoreIdentity(page.Name, page.Rank, page.SSANumber, data);
    if (const std::optional<NumberRefusal> refusal = CollectNumbers(page.Age, page.Weight, page.Height, data)) {
      const char* const columns[] = {"age", "weight", "height"};
      Refuse(columns[static_cast<int>(refusal->field)], refusal->message);
      return false;
    }
    const ScreeningResult screening = ExceedsScreeningWeight(data, sex);
    if (screening.outside) {
      Refuse("height", QString::fromStdString(DescribeOutOfTable(*screening.outside)));
      return false;
    }
    assessment_.overScreening = screening.exceeds;
    return true;
  }

  bool ReadMeasurements(std::span<const MeasuredSet> sets) {
    for (const MeasuredSet& set : sets) {
      for (std::size_t i = 0; i < 3; ++i) {
        const QByteArray column = NumberedColumn(set.column, static_cast<int>(i + 1));
        QString fieldText;
        if (!Type(MaskFormat::Decimal, column.constData(), fieldText)) return false;
        const MeasurementReading reading = ReadMeasurement(fieldText);
        if (!reading.value) {
          Refuse(column.constData(), reading.refusal);
          return false;
        }
        (assessment_.data.*set.values)[i] = RoundToQuarter(*reading.value);
      }
    }
    return true;
  }

  // The measurement page of the sex and the body fat through the factor tables.
  bool AssessMultiSite(Sex sex) {
    if (!ReadMeasurements(sex == Sex::Male ? std::span<const MeasuredSet>(kMaleSets) : kFemaleSets)) return false;
    TSoldierData& data = assessment_.data;
    if (const std::optional<OutOfTable> outside =
            sex == Sex::Male ? ComputeMaleBodyFat(data) : ComputeFemaleBodyFat(data)) {
      Refuse(ColumnOfQuantity(outside->quantity), QString::fromStdString(DescribeOutOfTable(*outside)));
      return false;
    }
    assessment_.within = WithinStandards(data);
    return true;
  }

  // The one-site page: abdomen1 to abdomen3, and abdomen4 when the three ask for a fourth
  // (otherwise it is not read, as the page leaves its fourth field alone).
  bool AssessOneSite(Sex sex) {
    std::array<QString, kAbdomenFields> texts;
    for (int i = 0; i < kAbdomenFields; ++i) {
      if (i == kAbdomenFields - 1 && !AsksForFourthMeasurement({texts[0], texts[1], texts[2]})) break;
      if (!Type(MaskFormat::Decimal, AbdomenColumn(i).constData(), texts[static_cast<std::size_t>(i)])) return false;
    }
    const AbdomenReading reading = ReadAbdomenFields(texts);
    if (reading.refusal) {
      // A roster has no note beside its fields: a missing fourth is refused with the
      // page's reason for asking for it.
      const int field = reading.refusal->field;
      const bool noFourth = field == kAbdomenFields - 1 && Value("abdomen4").isEmpty();
      Refuse(AbdomenColumn(field).constData(), noFourth ? WhyAFourthMeasurement() : reading.refusal->message);
      return false;
    }
    const TSoldierData& data = assessment_.data;
    assessment_.oneSite = ComputeOneSiteBodyFat(sex, data.Age, data.Weight, reading.taken);
    assessment_.within = assessment_.oneSite.value().within;
    return true;
  }

  static QByteArray AbdomenColumn(int field) { return NumberedColumn(kAbdomen, field + 1); }

  const RosterHeader& header_;
  const QStringList& record_;
  const CalendarDate today_;
  SoldierRow& row_;
  // The record's assessment as the evaluation gathers it, on a record of its own.
  Assessment assessment_;
};

}  // namespace

// Without a method, or a sex by the multi-site method, the record is refused before its
// measurements are read.
std::vector<QByteArray> ColumnsRead(std::optional<TapeMethod> method, std::optional<Sex> sex, bool exempt) {
  std::vector<QByteArray> columns(std::begin(kDataPageColumns), std::end(kDataPageColumns));
  if (exempt) return columns;
  if (method == TapeMethod::OneSite) {
    for (int i = 1; i < kAbdomenFields; ++i) columns.push_back(NumberedColumn(kAbdomen, i));
  } else if (method && sex) {
    for (const MeasuredSet& set : *sex == Sex::Male ? std::span<const MeasuredSet>(kMaleSets) : kFemaleSets)
      for (int i = 1; i <= 3; ++i) columns.push_back(NumberedColumn(set.column, i));
  }
  return columns;
}

SoldierRow EvaluateRow(const RosterHeader& header, const QStringList& record, CalendarDate today) {
  SoldierRow row;
  RowEvaluation(header, record, today, row).Run();
  return row;
}
