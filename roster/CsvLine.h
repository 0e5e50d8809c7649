#pragma once
// A line of CSV as the program writes it (RFC 4180): the fields parted by commas, a field
// quoted only when it holds a comma, a quote or a line break, the line ended by CR LF.

#include <QByteArray>
#include <QStringList>

QByteArray CsvLine(const QStringList& fields);
