#pragma once
// The results file: a header and one line per roster record, in roster order, as CSV
// (RFC 4180: UTF-8, CR LF line ends, a field quoted only when it holds a comma, a quote or a
// line break). Numbers read as the results page and the worksheet print them; the columns
// of the other sex or the other tape method, and every result of a refused record, stay
// empty. No SSAN. A text of the roster that a spreadsheet would run as a formula is written
// with a leading ' that keeps it text. A roster that names the tape method of each soldier
// gets a last column `method` saying it. A roster with any column of the date, component,
// fitness test or supplemental result gets `tape_verdict` beside `verdict` and, last,
// `date`, `aft_total`, `exempt_until`, `supplemental_method` and `supplemental_body_fat`;
// any other roster's results keep the columns they always had.

#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"

#include <QByteArray>
#include <QByteArrayView>

// A results file starts with the UTF-8 byte-order mark, so that spreadsheets that guess a
// file's encoding read its accents right.
constexpr QByteArrayView kResultsByteOrderMark = "\xEF\xBB\xBF";

// Which columns beyond those every results file has.
struct ResultsShape {
  bool method = false;  // the roster names the tape method
  bool policy = false;  // the roster has columns of the date, component, test or supplemental result
};

ResultsShape ResultsShapeOf(const RosterHeader& header);

QByteArray ResultsHeaderLine(ResultsShape shape);
QByteArray ResultsLine(int rosterLine, const SoldierRow& row, ResultsShape shape);
