#pragma once
// Reading a roster file: CSV as spreadsheets write it (RosterCsv.h), in UTF-8 or
// Windows-1252 (RosterText.h). The file is read twice, a chunk at a time: first to check the
// whole of it (text, quoting, row lengths) and decide its encoding, so that a roster that
// cannot be read is refused before any of its rows is taken; then to hand each record on.
// No pass keeps more than one record.

#include "roster/RosterCsv.h"

#include <QFile>
#include <QString>

#include <functional>
#include <memory>

// Rosters larger than this are refused unread: a million soldiers take about 120 MB.
constexpr qint64 kLargestRoster = 256LL << 20;

// Opens a roster: a regular file. Opening never waits, so a pipe or a device named as the
// roster is refused at once, as is a folder. Throws RosterError.
std::unique_ptr<QFile> OpenRosterFile(const QString& path);

// Bytes of the roster read so far, as the records are handed on.
using ReadProgress = std::function<void(qint64 bytesRead)>;

// Reads the roster from the start of a device that can seek (an open roster file), handing
// each record to `sink` in file order; the first is the header row. A byte-order mark is
// skipped. Throws RosterError when the roster is too large, not text or not CSV, or cannot
// be read, and passes on whatever the sink throws.
void ReadRoster(QIODevice& roster, const RecordSink& sink, const ReadProgress& progress = {});
