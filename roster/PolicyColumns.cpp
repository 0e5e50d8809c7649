#include "roster/PolicyColumns.h"

#include <array>

namespace {

constexpr const char* kDate = "date";
constexpr const char* kComponent = "component";
constexpr const char* kTestDate = "aft_date";
constexpr const char* kSupplementalMethod = "supplemental_method";
constexpr const char* kSupplementalBodyFat = "supplemental_body_fat";
constexpr const char* kSupplementalDate = "supplemental_date";

constexpr std::array<const char*, 6> kOwnColumns = {kDate,          kComponent,           kTestDate,
                                                    kSupplementalMethod, kSupplementalBodyFat, kSupplementalDate};

class PolicyRecord {
 public:
  PolicyRecord(const RosterHeader& header, const QStringList& record, CalendarDate today)
      : header_(header), record_(record), today_(today) {}

  PolicyReading Read() {
    PolicyReading reading;
    if (!ReadDate(kDate, today_, reading.entry.date) || !ReadComponent(reading.entry) ||
        !ReadTest(reading.entry) || !ReadSupplemental(reading.entry.date, reading.supplemental))
      reading.refusal = refusal_;
    return reading;
  }

 private:
  QString Value(const char* column) const { return header_.Value(record_, column); }

  bool Refuse(const char* column, const QString& message) {
    refusal_ = PolicyRefusal{QLatin1String(column), message};
    return false;
  }

  bool ReadDate(const char* column, CalendarDate empty, CalendarDate& date) {
    const QString value = Value(column);
    if (value.isEmpty()) {
      date = empty;
      return true;
    }
    const std::optional<CalendarDate> read = ParseIsoDate(value.toStdString());
    if (!read) return Refuse(column, QStringLiteral("The date is written YYYY-MM-DD, a day the calendar has: 2026-03-02."));
    date = *read;
    return true;
  }

  bool ReadComponent(PolicyEntry& entry) {
    const std::optional<Component> component = ParseComponent(Value(kComponent).toStdString());
    if (!component) return Refuse(kComponent, QStringLiteral("The component is regular, agr, guard or reserve."));
    entry.component = *component;
    return true;
  }

  // A test needs its date and all five events; a test with an alternate event gives no
  // exemption, and its columns are left empty.
  bool ReadTest(PolicyEntry& entry) {
    bool anyGiven = !Value(kTestDate).isEmpty();
    for (AftEvent event : kAftEvents) anyGiven = anyGiven || !Value(AftEventColumn(event).data()).isEmpty();
    if (!anyGiven) return true;
    FitnessTest test;
    if (Value(kTestDate).isEmpty())
      return Refuse(kTestDate, QStringLiteral("The fitness test needs its date (YYYY-MM-DD)."));
    if (!ReadDate(kTestDate, today_, test.date)) return false;
    for (AftEvent event : kAftEvents) {
      const char* column = AftEventColumn(event).data();
      const QString value = Value(column);
      if (value.isEmpty())
        return Refuse(column, QStringLiteral("The fitness test needs the points of all five events; after an "
                                             "alternate event, which gives no exemption, leave every aft_ "
                                             "column empty."));
      const std::optional<int32_t> points = ParseEventPoints(value.toStdString());
      if (!points) return Refuse(column, QStringLiteral("The points of an event are a whole number from 0 to 100."));
      test.points[static_cast<std::size_t>(event)] = *points;
    }
    entry.test = test;
    return true;
  }

  bool ReadSupplemental(CalendarDate assessed, std::optional<SupplementalResult>& supplemental) {
    const QString method = Value(kSupplementalMethod);
    const QString bodyFat = Value(kSupplementalBodyFat);
    if (method.isEmpty() && bodyFat.isEmpty() && Value(kSupplementalDate).isEmpty()) return true;
    const std::optional<SupplementalMethod> readMethod = ParseSupplementalMethod(method.toStdString());
    if (!readMethod) return Refuse(kSupplementalMethod, QStringLiteral("The supplemental method is dxa, bia or adp."));
    const std::optional<int32_t> tenths = ParseBodyFatTenths(bodyFat.toStdString());
    if (!tenths)
      return Refuse(kSupplementalBodyFat, QStringLiteral("The supplemental body fat is a percentage above 0 and under "
                                                         "100 with at most one decimal: 23.4"));
    SupplementalResult result{*readMethod, *tenths, {}};
    if (!ReadDate(kSupplementalDate, assessed, result.date)) return false;
    supplemental = result;
    return true;
  }

  const RosterHeader& header_;
  const QStringList& record_;
  const CalendarDate today_;
  PolicyRefusal refusal_;
};

}  // namespace

bool HasPolicyColumns(const RosterHeader& header) {
  for (const char* column : kOwnColumns)
    if (header.Has(column)) return true;
  for (AftEvent event : kAftEvents)
    if (header.Has(AftEventColumn(event).data())) return true;
  return false;
}

PolicyReading ReadPolicyColumns(const RosterHeader& header, const QStringList& record, CalendarDate today) {
  return PolicyRecord(header, record, today).Read();
}
