#include "roster/CsvCells.h"

#include <csv.h>

namespace {

// A field as CSV: as it is, or quoted by libcsv (quotes doubled) when it must be.
QByteArray CsvField(const QString& value) {
  const QByteArray bytes = value.toUtf8();
  if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r') && !bytes.contains('\n')) return bytes;
  QByteArray quoted(static_cast<qsizetype>(csv_write(nullptr, 0, bytes.constData(), static_cast<size_t>(bytes.size()))),
                    '\0');
  csv_write(quoted.data(), static_cast<size_t>(quoted.size()), bytes.constData(), static_cast<size_t>(bytes.size()));
  return quoted;
}

}  // namespace

QByteArray CsvLine(const QStringList& fields) {
  QByteArray line;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(fields[i]);
  }
  return line + "\r\n";
}

QString TextCell(const QString& text) {
  for (const QChar c : text) {
    if (c == u'\t' || c == u'\r') return u'\'' + text;
    if (!c.isSpace()) return QStringView(u"=+-@").contains(c) ? u'\'' + text : text;
  }
  return text;
}
