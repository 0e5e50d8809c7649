#pragma once
// Reading a roster file: UTF-8 text, with or without a byte-order mark, in CSV as
// spreadsheets write it (RFC 4180: commas between fields; a quoted field may hold commas,
// doubled quotes and line breaks; CR LF or LF line ends). Blank lines are ignored. The
// quoting rules are libcsv's, in its strict mode, so a stray quote is refused instead of
// guessed at.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A record of the file and the physical line it starts on (a quoted line break inside a
// field makes a record span lines).
struct RosterRecord {
  int line = 0;
  QStringList values;
};

// The records in file order; the first is the header row.
using RosterRecords = std::vector<RosterRecord>;

// Rosters larger than this are refused before they are read whole: a million soldiers
// take about 100 MB.
constexpr qint64 kLargestRoster = 256LL << 20;

// Throws RosterError when the bytes are not text (a NUL byte, invalid UTF-8) or not CSV.
RosterRecords ParseRoster(const QByteArray& bytes);

// Reads and parses the file; a file that cannot be read throws RosterError too.
RosterRecords ReadRosterFile(const QString& path);
