#include "report/model/LabelLines.h"

#include <vector>

namespace {

// A word runs up to and including the next space or hyphen, or to the paragraph's end.
std::vector<QString> SplitWords(const QString& paragraph) {
  std::vector<QString> words;
  qsizetype start = 0;
  for (qsizetype i = 0; i < paragraph.size(); ++i) {
    const QChar c = paragraph[i];
    if (c == u' ' || c == u'-') {
      words.push_back(paragraph.mid(start, i - start + 1));
      start = i + 1;
    }
  }
  if (start < paragraph.size()) words.push_back(paragraph.mid(start));
  return words;
}

void BreakParagraph(const QString& paragraph, const LabelLineRules& rules,
                    const TextWidth& measure, QStringList& lines) {
  const int limit = rules.width;
  QString line;
  bool overflowed = false;
  for (QString word : SplitWords(paragraph)) {
    if (measure(line + word) <= limit) {
      line += word;
      continue;
    }
    if (line.isEmpty()) {
      // Take what fits of the word's front; the rest of the word is lost.
      qsizetype taken = 0;
      while (taken < word.size() && measure(line + word[taken]) < limit) line += word[taken++];
      word.clear();
    }
    lines.append(line);
    line.clear();
    if (measure(word) > limit) {
      while (!word.isEmpty() && measure(word) > limit) word.chop(1);
      lines.append(word);
      word.clear();
    }
    if (!rules.wordWrap) {
      word.clear();
      overflowed = true;
    }
    line = word;
  }
  if (rules.wordWrap || !overflowed) lines.append(line);
}

}  // namespace

QStringList FormatCaptionLines(const QString& caption, const LabelLineRules& rules,
                               const TextWidth& measure) {
  QString text = caption;
  text.remove(QChar(10));
  QStringList lines;
  for (const QString& paragraph : text.split(QChar(13))) {
    if (rules.autoSize) {
      lines.append(paragraph);
    } else {
      BreakParagraph(paragraph, rules, measure, lines);
    }
  }
  return lines;
}
