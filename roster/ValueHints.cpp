#include "roster/ValueHints.h"

#include "entry/DataPageRules.h"
#include "entry/MaskedEditModel.h"

#include <QRegularExpression>

namespace {

QString WhatTheColumnTakes(ValueKind kind) {
  switch (kind) {
    case ValueKind::Name: return QStringLiteral("at most %1 characters").arg(kNameLength);
    case ValueKind::Rank: return QStringLiteral("at most %1 characters").arg(kRankLength);
    case ValueKind::Sex: return QStringLiteral("male or female (m or f)");
    case ValueKind::Ssan: return QStringLiteral("nine digits such as 123-45-6789");
    case ValueKind::Age: return QStringLiteral("a whole number of years");
    case ValueKind::Weight: return QStringLiteral("a whole number of pounds");
    case ValueKind::Inches: break;
  }
  return QStringLiteral("a number of inches such as 34.25");
}

// A spreadsheet that takes an SSAN without dashes for a number drops its leading zeros:
// 012-34-5678 becomes 12345678. (Area numbers 001 to 009 were given out, so two zeros can
// go as well.)
QString LostZeros(ValueKind kind, const QString& value) {
  static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]{7,8}$"));
  if (kind != ValueKind::Ssan || !digitsOnly.match(value).hasMatch()) return QString();
  return value.size() == 8 ? QStringLiteral("; the spreadsheet may have dropped a leading zero")
                           : QStringLiteral("; the spreadsheet may have dropped two leading zeros");
}

}  // namespace

QString InvalidValueMessage(ValueKind kind, const QString& value) {
  return QStringLiteral("%1 (%2%3)").arg(InvalidInputValue(), WhatTheColumnTakes(kind), LostZeros(kind, value));
}
