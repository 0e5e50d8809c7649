// Values from a roster as messages show them: cut at 80 characters, escapes for what a
// terminal would act on or hide.

#include "roster/EchoedValue.h"

#include <gtest/gtest.h>

TEST(EchoedValue, ShowsAtMostEightyCharactersWithEverythingATerminalActsOnEscaped) {
  EXPECT_EQ(EchoedValue(QStringLiteral("ÖZTÜRK, ADA")), "\"ÖZTÜRK, ADA\"");
  EXPECT_EQ(EchoedValue(QString()), "\"\"");
  EXPECT_EQ(EchoedValue(QStringLiteral("a\tb\r\nc\\d\"e")), "\"a\\tb\\r\\nc\\\\d\\\"e\"");
  // ESC, CSI (C1), DEL, a NUL, a right-to-left override and a paragraph separator.
  EXPECT_EQ(EchoedValue(QString::fromUtf8("\x1b]0;title\x07\xC2\x9B" "2J\x7f") + QChar(0) + QChar(0x202E) +
                        QChar(0x2029)),
            "\"\\x1b]0;title\\x07\\x9b2J\\x7f\\x00\\u{202e}\\u{2029}\"");

  const QString eighty(80, u'N');
  EXPECT_EQ(EchoedValue(eighty), u'"' + eighty + u'"');
  EXPECT_EQ(EchoedValue(eighty + QStringLiteral("XYZ")), u'"' + eighty + QStringLiteral("…\""));
  // A character beyond the basic plane is one character, however many UTF-16 units.
  const QString clef = QString::fromUcs4(U"\U0001D11E", 1);
  EXPECT_EQ(EchoedValue(clef.repeated(80)), u'"' + clef.repeated(80) + u'"');
  EXPECT_EQ(EchoedValue(clef.repeated(81)), u'"' + clef.repeated(80) + QStringLiteral("…\""));
  // The cut counts the value's characters; their escapes may be longer.
  EXPECT_EQ(EchoedValue(QString(100, QChar(0x1b))),
            u'"' + QStringLiteral("\\x1b").repeated(80) + QStringLiteral("…\""));
}
