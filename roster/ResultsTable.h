#pragma once
// The results file: a header and one line per roster record, in roster order, as CSV
// (RFC 4180: UTF-8, CR LF line ends, a field quoted only when it holds a comma, a quote or a
// line break). Numbers read as the results page and the worksheet print them; the columns
// of the other sex, and every result of a refused record, stay empty. No SSAN.

#include "roster/SoldierRow.h"

#include <QByteArray>

QByteArray ResultsHeaderLine();
QByteArray ResultsLine(int rosterLine, const SoldierRow& row);
