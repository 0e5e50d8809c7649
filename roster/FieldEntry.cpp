#include "roster/FieldEntry.h"

#include <QRegularExpression>

namespace {

// The values each field can hold, with the digit runs captured. [0-9], not \d: a field
// takes the ASCII digits only.
const QRegularExpression& ValueShape(MaskFormat format) {
  static const QRegularExpression ssan(QStringLiteral("^([0-9]{3})-?([0-9]{2})-?([0-9]{4})$"));
  static const QRegularExpression twoDigit(QStringLiteral("^([0-9]{1,2})$"));
  static const QRegularExpression threeDigit(QStringLiteral("^([0-9]{1,3})$"));
  static const QRegularExpression decimal(QStringLiteral("^([0-9]{0,2})(?:\\.([0-9]{0,2}))?$"));
  switch (format) {
    case MaskFormat::Ssan: return ssan;
    case MaskFormat::TwoDigit: return twoDigit;
    case MaskFormat::ThreeDigit: return threeDigit;
    case MaskFormat::Decimal: break;
  }
  return decimal;
}

// The cells, one character each, as the operator fills them (a blank for an empty cell).
QString Cells(MaskFormat format, const QRegularExpressionMatch& value) {
  switch (format) {
    case MaskFormat::Ssan:
      return value.captured(1) + u'-' + value.captured(2) + u'-' + value.captured(3);
    case MaskFormat::TwoDigit:
      return value.captured(1).rightJustified(2, u'0');
    case MaskFormat::ThreeDigit:
      return value.captured(1).rightJustified(3, u' ');
    case MaskFormat::Decimal: break;
  }
  return value.captured(1).rightJustified(2, u' ') + u'.' + value.captured(2).leftJustified(2, u' ');
}

}  // namespace

std::optional<QString> EnterIntoField(MaskFormat format, const QString& value) {
  MaskedEditModel field(format);
  if (!value.isEmpty()) {
    const QRegularExpressionMatch match = ValueShape(format).match(value);
    if (!match.hasMatch()) return std::nullopt;
    field.SetFieldText(Cells(format, match));
  }
  return field.FieldText();
}
