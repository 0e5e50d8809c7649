#include "roster/RosterCsv.h"

#include "roster/RosterError.h"

#include <csv.h>

#include <algorithm>

namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

// The parser takes its input in slices of at most this many bytes, so that a record
// growing past the longest allowed is caught before it has grown much further.
constexpr qsizetype kSlice = 64 * 1024;

// A row of empty cells, or of cells holding blanks alone, is what spreadsheets write for
// a blank line below their data.
bool IsBlankRow(const QStringList& values) {
  return std::all_of(values.cbegin(), values.cend(), [](const QString& value) { return value.trimmed().isEmpty(); });
}

RosterError RecordTooLong(int line) {
  return {line, QStringLiteral("a row of more than %1 MiB, which no soldier's row comes near: is a quote left open?")
                    .arg(kLongestRecord >> 20)};
}

}  // namespace

RosterParser::RosterParser(FieldDecoder* decoder, RecordSink sink)
    : parser_(std::make_unique<csv_parser>()), decoder_(decoder), sink_(std::move(sink)) {
  if (csv_init(parser_.get(), CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
    throw RosterError{0, QStringLiteral("out of memory")};
}

RosterParser::~RosterParser() { csv_free(parser_.get()); }

void RosterParser::Parse(QByteArrayView bytes) {
  for (qsizetype start = 0; start < bytes.size(); start += kSlice)
    ParseSlice(bytes.sliced(start, std::min(kSlice, bytes.size() - start)));
}

void RosterParser::ParseSlice(QByteArrayView bytes) {
  const auto size = static_cast<size_t>(bytes.size());
  const size_t parsed = csv_parse(parser_.get(), bytes.data(), size, Field, End, this);
  if (failure_) std::rethrow_exception(failure_);
  if (parsed != size) {
    if (csv_error(parser_.get()) != CSV_EPARSE) throw RosterError{0, QStringLiteral("out of memory")};
    throw RosterError{PendingLine(), QStringLiteral("a quote out of place: a quoted field must be quoted whole")};
  }
  // libcsv holds the field being read; with the fields before it, that is the record so far.
  if (recordBytes_ + static_cast<qsizetype>(parser_->entry_pos) > kLongestRecord)
    throw RecordTooLong(fields_ > 0 ? record_.line : line_);
}

void RosterParser::Finish() {
  const int status = csv_fini(parser_.get(), Field, End, this);
  if (failure_) std::rethrow_exception(failure_);
  if (status != 0) throw RosterError{line_, QStringLiteral("a quoted field is not closed")};
}

// The line the parser has reached inside the field it holds.
int RosterParser::PendingLine() const {
  return line_ + LineBreaks(QByteArrayView(parser_->entry_buf, static_cast<qsizetype>(parser_->entry_pos)));
}

// libcsv is C: nothing may be thrown through it. The first exception of a callback is kept
// and thrown once libcsv returns; the callbacks after it do nothing.
void RosterParser::Field(void* bytes, size_t size, void* self) {
  auto& parser = *static_cast<RosterParser*>(self);
  if (parser.failure_) return;
  try {
    parser.TakeField(QByteArrayView(static_cast<const char*>(bytes), static_cast<qsizetype>(size)));
  } catch (...) {
    parser.failure_ = std::current_exception();
  }
}

void RosterParser::End(int terminator, void* self) {
  auto& parser = *static_cast<RosterParser*>(self);
  if (parser.failure_) return;
  try {
    parser.EndRecord(terminator);
  } catch (...) {
    parser.failure_ = std::current_exception();
  }
}

void RosterParser::TakeField(QByteArrayView field) {
  if (fields_ == 0) record_.line = line_;
  recordBytes_ += field.size() + (fields_ > 0 ? 1 : 0);  // and the comma before it
  ++fields_;
  if (recordBytes_ > kLongestRecord) throw RecordTooLong(record_.line);
  evidence_.Examine(field, line_);
  if (decoder_) record_.values << (*decoder_)(field);
  line_ += LineBreaks(field);
  afterCR_ = false;
}

// libcsv reports every unquoted CR and LF as a record end, which lets the physical lines be
// counted; an end without fields is a blank line, and so is a row of empty cells.
void RosterParser::EndRecord(int terminator) {
  if (fields_ > 0) {
    if (decoder_ && !IsBlankRow(record_.values)) sink_(record_);
    record_.values.clear();
    fields_ = 0;
    recordBytes_ = 0;
  }
  const bool secondHalfOfCRLF = terminator == kLF && afterCR_;
  if ((terminator == kCR || terminator == kLF) && !secondHalfOfCRLF) ++line_;
  afterCR_ = terminator == kCR;
}
