#include "roster/EchoedValue.h"

#include <QChar>
#include <QList>
#include <QStringView>

#include <algorithm>

namespace {

bool ShownAsEscape(char32_t character) {
  switch (QChar::category(character)) {
    case QChar::Other_Control:        // C0, DEL and C1: ESC and CSI open escape sequences
    case QChar::Other_Format:         // invisible: bidirectional overrides, zero widths
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:      // a lone half of a pair
      return true;
    default:
      return false;
  }
}

QString Escaped(char32_t character) {
  switch (character) {
    case U'\\': return QStringLiteral("\\\\");
    case U'"': return QStringLiteral("\\\"");
    case U'\t': return QStringLiteral("\\t");
    case U'\r': return QStringLiteral("\\r");
    case U'\n': return QStringLiteral("\\n");
    default: break;
  }
  if (!ShownAsEscape(character)) return QString::fromUcs4(&character, 1);
  const QString hex = QString::number(character, 16);
  return character <= 0xFF ? QStringLiteral("\\x") + hex.rightJustified(2, u'0') : QStringLiteral("\\u{%1}").arg(hex);
}

}  // namespace

QString EchoedValue(const QString& value) {
  QString echo = QStringLiteral("\"");
  int shown = 0;
  // The characters shown, and one more if there is any, lie within twice as many UTF-16 units.
  const QStringView start = QStringView(value).first(std::min<qsizetype>(value.size(), 2 * kLongestEcho + 1));
  for (const char32_t character : start.toUcs4()) {
    if (shown == kLongestEcho) return echo + QStringLiteral("…\"");
    echo += Escaped(character);
    ++shown;
  }
  return echo + u'"';
}
