#include "shell/UpperCaseValidator.h"

#include "entry/DataPageRules.h"

#include <algorithm>

// Some letters grow when upper-cased ("ß" becomes "SS"): the caret moves on by what the
// text before it grew, so it stays after what was typed.
QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
  const qsizetype caret = std::clamp<qsizetype>(pos, 0, input.size());
  pos = static_cast<int>(UpperCased(input.first(caret)).size());
  input = UpperCased(input);
  return Acceptable;
}
