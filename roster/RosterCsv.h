#pragma once
// The records of a roster's CSV, parsed as its bytes arrive: commas between fields; a
// quoted field may hold commas, doubled quotes and line breaks; CR LF, LF or CR line ends;
// blank lines ignored, and with them rows whose cells are all empty or blank, which
// spreadsheets write below their data. The quoting rules are libcsv's, in its strict mode,
// so a stray quote is refused instead of guessed at. Each record is handed on as soon as
// it is complete and not kept, so the memory a roster takes is bounded by its longest
// record, which is itself bounded.

#include "roster/RosterText.h"

#include <QByteArrayView>
#include <QStringList>

#include <exception>
#include <functional>
#include <memory>

struct csv_parser;

// A record of the file and the physical line it starts on (a quoted line break inside a
// field makes a record span lines).
struct RosterRecord {
  int line = 0;
  QStringList values;
};

using RecordSink = std::function<void(const RosterRecord&)>;

// A record holding more bytes than this is refused: a soldier's row is some hundred bytes,
// so only a broken file (a quote left open, say) comes near it.
constexpr qsizetype kLongestRecord = 1 << 20;

class RosterParser {
 public:
  // Without a decoder the fields are only examined for the encoding and nothing is handed
  // on; with one, each record is decoded and handed to `sink`.
  RosterParser(FieldDecoder* decoder, RecordSink sink);
  ~RosterParser();
  RosterParser(const RosterParser&) = delete;
  RosterParser& operator=(const RosterParser&) = delete;

  // Parses the next bytes of the file; throws RosterError (and passes on whatever the sink
  // throws).
  void Parse(QByteArrayView bytes);
  // Ends the file: the last record may lack its line end.
  void Finish();

  // What the fields parsed so far tell about the encoding.
  const TextEvidence& Evidence() const { return evidence_; }

 private:
  static void Field(void* bytes, size_t size, void* self);
  static void End(int terminator, void* self);
  void TakeField(QByteArrayView field);
  void EndRecord(int terminator);
  void ParseSlice(QByteArrayView bytes);
  int PendingLine() const;

  std::unique_ptr<csv_parser> parser_;
  FieldDecoder* decoder_;
  RecordSink sink_;
  TextEvidence evidence_;
  RosterRecord record_;          // the record being read; its line is set by its first field
  qsizetype fields_ = 0;         // fields of the record so far
  qsizetype recordBytes_ = 0;    // their bytes, with one for each comma
  int line_ = 1;                 // the physical line being read
  bool afterCR_ = false;         // an LF now completes a CR LF line end
  std::exception_ptr failure_;   // raised inside libcsv's callbacks, thrown once it returns
};
