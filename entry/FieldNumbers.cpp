#include "entry/FieldNumbers.h"

#include <QLocale>

namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

qsizetype SkipLeadingBlanks(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  return i;
}

}  // namespace

std::optional<int> ReadFieldInteger(const QString& fieldText) {
  qsizetype i = SkipLeadingBlanks(fieldText);
  const qsizetype numberStart = i;
  if (i < fieldText.size() && (fieldText[i] == QLatin1Char('+') || fieldText[i] == QLatin1Char('-'))) ++i;
  const qsizetype digitsStart = i;
  while (i < fieldText.size() && IsAsciiDigit(fieldText[i])) ++i;
  if (i == digitsStart || i != fieldText.size()) return std::nullopt;

  bool ok = false;
  const int value = fieldText.mid(numberStart).toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

std::optional<double> ReadFieldDecimal(const QString& fieldText) {
  qsizetype end = fieldText.size();
  while (end > 0 && fieldText[end - 1] == QLatin1Char(' ')) --end;
  const qsizetype start = SkipLeadingBlanks(fieldText);
  if (start >= end) return std::nullopt;

  const QString number = fieldText.mid(start, end - start);
  if (number == QLatin1String(".")) return 0.0;
  int points = 0;
  for (const QChar c : number) {
    if (c == QLatin1Char('.')) {
      ++points;
    } else if (!IsAsciiDigit(c)) {
      return std::nullopt;
    }
  }
  if (points > 1) return std::nullopt;

  bool ok = false;
  const double value = QLocale::c().toDouble(number, &ok);
  if (!ok) return std::nullopt;
  return value;
}

MeasurementReading ReadMeasurement(const QString& fieldText) {
  const std::optional<double> value = ReadFieldDecimal(fieldText);
  if (!value || *value == 0.0) return {std::nullopt, QStringLiteral("This is a required Field!")};
  return {value, QString()};
}
