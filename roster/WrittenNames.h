#pragma once
// Names as spreadsheet users write them: one name in capitals or not, its words run
// together or parted by blanks, underscores or dashes ("Abdomen 1", "abdomen_1",
// "ABDOMEN1"; "One Site", "one_site", "onesite"). Column names and method values are both
// matched this way.

#include "standards/TapeMethod.h"

#include <QString>

#include <optional>

// The name reduced to what tells it apart: case-folded, without blanks, underscores and
// dashes of any kind.
QString LooseName(const QString& name);

// The tape method a value names however it is written ("One Site", "multi_site"); nothing
// when it names neither.
std::optional<TapeMethod> TapeMethodWritten(const QString& value);

// The method's own name, as the program writes it: "multi-site" or "one-site".
QString TapeMethodText(TapeMethod method);
