#include "records/AssessmentRecord.h"

#include "standards/NumberFormat.h"

#include <QRegularExpression>

#include <tuple>

namespace {

auto OneSiteFields(const OneSiteResult& r) {
  return std::tie(r.sex, r.weight, r.equation, r.halfInches, r.count, r.setAside, r.sumOfThree,
                  r.averageHalfInches, r.bodyFat, r.roundedBodyFat, r.maxBodyFat, r.within);
}

// The tape's body fat as shown, in hundredths. The shown text is the number format's own
// rounding ("##0.00"), read back digit by digit, so the hundredths are exactly the
// figure the operator saw; a one-site body fat is a whole percent and shows as "26.00".
int64_t ShownHundredths(double bodyFat) {
  const std::string shown = FormatFixed2(bodyFat);
  int64_t hundredths = 0;
  for (const char c : shown)
    if (c >= '0' && c <= '9') hundredths = hundredths * 10 + (c - '0');
  return shown.front() == '-' ? -hundredths : hundredths;
}

}  // namespace

bool OneSiteMeasurements::operator==(const OneSiteMeasurements& other) const {
  return typed == other.typed && OneSiteFields(steps) == OneSiteFields(other.steps);
}

QString NameKey(const QString& name) { return name.trimmed().toUpper(); }

QString NormalizedSsan(const QString& text) {
  static const QRegularExpression ssan(QStringLiteral("^(\\d{3})-?(\\d{2})-?(\\d{4})$"));
  const QRegularExpressionMatch match = ssan.match(text.trimmed());
  if (!match.hasMatch()) return {};
  return match.captured(1) + u'-' + match.captured(2) + u'-' + match.captured(3);
}

QString SoldierKey(const AssessmentRecord& record) {
  const QString ssan = NormalizedSsan(record.ssan);
  if (!ssan.isEmpty()) return QStringLiteral("ssan:") + ssan;
  return QStringLiteral("name:") + NameKey(record.name);
}

int64_t FinalBodyFatHundredths(const AssessmentRecord& record) {
  if (record.supplemental) return int64_t{record.supplemental->bodyFatTenths} * 10;
  return ShownHundredths(record.results.bodyFat);
}

bool MeetsStandard(const AssessmentRecord& record) {
  return record.results.within || (record.exemption && record.exemption->exempt);
}

CalendarDate CalendarDateOf(QDate date) {
  if (!date.isValid()) return CalendarDate{};
  return CalendarDate{std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
                      std::chrono::day(static_cast<unsigned>(date.day()))};
}

QDate QDateOf(CalendarDate date) {
  if (!date.ok()) return QDate();
  return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
               static_cast<int>(static_cast<unsigned>(date.day())));
}
