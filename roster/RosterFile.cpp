#include "roster/RosterFile.h"

#include "roster/RosterError.h"

#include <QFile>
#include <QStringDecoder>

#include <csv.h>

#include <memory>

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

// Line breaks in bytes: CR LF, a lone LF or a lone CR each end one line.
int LineBreaks(const char* bytes, size_t size) {
  int breaks = 0;
  for (size_t i = 0; i < size; ++i) {
    if (bytes[i] == kLF || (bytes[i] == kCR && (i + 1 == size || bytes[i + 1] != kLF))) ++breaks;
  }
  return breaks;
}

// The records as libcsv hands over their fields and ends. It reports every unquoted CR and
// LF as a record end, which lets the physical lines be counted; an end without fields is a
// blank line.
struct Collector {
  RosterRecords records;
  QStringList fields;
  int line = 1;        // the physical line being read
  int recordLine = 0;  // where the record being read starts
  bool afterCR = false;  // an LF now completes a CR LF line end

  static void Field(void* bytes, size_t size, void* self) {
    auto& collector = *static_cast<Collector*>(self);
    const char* text = static_cast<const char*>(bytes);
    if (collector.fields.isEmpty()) collector.recordLine = collector.line;
    collector.fields << QString::fromUtf8(text, static_cast<qsizetype>(size));
    collector.line += LineBreaks(text, size);
    collector.afterCR = false;
  }

  static void End(int terminator, void* self) {
    auto& collector = *static_cast<Collector*>(self);
    if (!collector.fields.isEmpty()) {
      collector.records.push_back({collector.recordLine, collector.fields});
      collector.fields.clear();
    }
    const bool secondHalfOfCRLF = terminator == kLF && collector.afterCR;
    if ((terminator == kCR || terminator == kLF) && !secondHalfOfCRLF) ++collector.line;
    collector.afterCR = terminator == kCR;
  }
};

void CheckText(const QByteArray& bytes) {
  if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
    throw RosterError{LineBreaks(bytes.constData(), static_cast<size_t>(nul)) + 1,
                      QStringLiteral("not a text file: it holds a NUL byte")};
  QStringDecoder decoder(QStringDecoder::Utf8);
  if (const QString text = decoder(bytes); decoder.hasError())
    throw RosterError{0, QStringLiteral("not a text file in UTF-8")};
}

}  // namespace

RosterRecords ParseRoster(const QByteArray& bytes) {
  CheckText(bytes);
  const QByteArray bom("\xEF\xBB\xBF");
  const qsizetype start = bytes.startsWith(bom) ? bom.size() : 0;
  const char* data = bytes.constData() + start;
  const size_t size = static_cast<size_t>(bytes.size() - start);

  csv_parser parser;
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
    throw RosterError{0, QStringLiteral("out of memory")};
  const std::unique_ptr<csv_parser, void (*)(csv_parser*)> release(&parser, csv_free);
  Collector collector;
  const size_t parsed = csv_parse(&parser, data, size, Collector::Field, Collector::End, &collector);
  if (parsed != size) {
    if (csv_error(&parser) != CSV_EPARSE) throw RosterError{0, QStringLiteral("out of memory")};
    throw RosterError{LineBreaks(data, parsed) + 1,
                      QStringLiteral("a quote out of place: a quoted field must be quoted whole")};
  }
  if (csv_fini(&parser, Collector::Field, Collector::End, &collector) != 0)
    throw RosterError{collector.line, QStringLiteral("a quoted field is not closed")};
  return std::move(collector.records);
}

RosterRecords ReadRosterFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw RosterError{0, file.errorString()};
  if (file.size() > kLargestRoster) throw RosterError{0, QStringLiteral("too large for a roster")};
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) throw RosterError{0, file.errorString()};
  return ParseRoster(bytes);
}
