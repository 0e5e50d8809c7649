#pragma once
// A value from a roster as a message on the terminal shows it: in quotes, at most its first
// 80 characters (an ellipsis marks the cut), with control and format characters written as
// escapes (\t, \r, \n, \x1b, \u{202e}), so that no byte from the file reaches the terminal
// raw: an escape sequence in a cell cannot move the cursor, recolour the screen or hide the
// rest of the message. A backslash and a quote are escaped too, so the text reads back
// unambiguously.

#include <QString>

constexpr int kLongestEcho = 80;  // characters of a value shown

QString EchoedValue(const QString& value);
