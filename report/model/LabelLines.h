#pragma once
// How a label's caption becomes its output lines: paragraphs at carriage returns (line
// feeds dropped), and within a paragraph words added to a line up to the label's width,
// a word too long for the label being cut.

#include <QString>
#include <QStringList>

#include <functional>

// The measured width of a text in pixels.
using TextWidth = std::function<int(const QString&)>;

struct LabelLineRules {
  bool autoSize = true;  // every paragraph is exactly one line
  bool wordWrap = true;  // false: a word that does not fit ends its paragraph's output
  int width = 0;         // the label's width in pixels
};

QStringList FormatCaptionLines(const QString& caption, const LabelLineRules& rules,
                               const TextWidth& measure);
