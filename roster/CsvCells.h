#pragma once
// Lines of the CSV files the program writes (RFC 4180: UTF-8, CR LF line ends, a field
// quoted only when it holds a comma, a quote or a line break), and the cells that hold a
// text someone typed.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The fields as one CSV line, its CR LF included.
QByteArray CsvLine(const QStringList& fields);

// A typed text (a name, a rank) as a cell. A spreadsheet runs a cell that starts with =,
// +, - or @ as a formula, and one that starts with a tab or a carriage return may be read
// as one; such a text gets a leading ' (OWASP's advice on CSV injection), which shows it
// as written. Blanks before it count for nothing, as a reader may trim them. Numbers the
// program writes ("-3.50") are not passed through here and stay numbers.
QString TextCell(const QString& text);
