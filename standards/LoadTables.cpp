// Loading of the table files. Every file is read whole, parsed by the table reading rules
// into a table of its own that must get an entry for every key of its range, and the
// tables replace the global ones only once all have loaded. Rows whose key has no place in
// a table are ignored.

#include "standards/Calculate.h"
#include "standards/TableFill.h"
#include "standards/TableParsers.h"
#include "standards/TableStream.h"
#include "standards/Tables.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace {

constexpr int kHeaderLines = 5;
constexpr int kStandardHeaderLines = 4;
constexpr int kPoundsPerGroup = 10;

// One table file: its path as messages name it, and its text.
struct TableFile {
  std::string path;
  std::string text;
};

// The folder of the table files with every link resolved, so a message shows where the
// files really are (the Debian package links the program's TABLES to /etc/corvane32/TABLES).
std::filesystem::path TablesFolder(const std::string& baseDir) {
  const std::filesystem::path folder = std::filesystem::path(baseDir) / "TABLES";
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(folder, error);
  return error ? folder : resolved;
}

std::string ReadTableText(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!stream) {
    if (errno == ENOENT || errno == ENOTDIR) RefuseTableFile(path, "file not found");
    RefuseTableFile(path, std::string("cannot be opened (") + std::strerror(errno) + ")");
  }
  std::string text;
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream.get())) > 0) text.append(buffer, count);
  if (std::ferror(stream.get())) RefuseTableFile(path, "cannot be read");
  return text;
}

void ThrowIfFailed(const TableStream& stream, const TableFile& file) {
  if (stream.Failed()) {
    RefuseTableFile(file.path, "line " + std::to_string(stream.Line()) + ": bad number \"" + stream.BadToken() + "\"");
  }
}

void SkipHeader(TableStream& stream, int lines) {
  for (int i = 0; i < lines; ++i) stream.SkipLine();
}

// Rows of a leading integer and an entry, each ended by skipping the rest of its line.
// keyOf(leading integer, rows before this one) gives a row's key; a later row of a key
// replaces an earlier one.
template <typename Table, typename KeyOf, typename ReadEntry>
Table ParseRows(const TableFile& file, KeyUnit unit, int headerLines, KeyOf keyOf, ReadEntry readEntry) {
  TableFill<Table> fill(file.path, unit);
  TableStream stream(file.text);
  SkipHeader(stream, headerLines);
  for (long long row = 0; !stream.AtEnd(); ++row) {
    const int32_t leading = stream.ReadInteger();
    ThrowIfFailed(stream, file);
    if (stream.RanOut()) break;  // blanks after the last row
    const long long key = keyOf(leading, row);
    const int line = stream.Line();
    const auto entry = readEntry(stream);
    ThrowIfFailed(stream, file);
    if (stream.RanOut()) {
      fill.RefuseCutShort(key, line);
      break;
    }
    stream.SkipLine();
    fill.CheckBounds(key, entry, line);
    fill.Put(key, entry);
  }
  return fill.Complete();
}

// Rows keyed by their leading integer.
template <typename Table, typename ReadEntry>
Table ParseKeyedRows(const TableFile& file, KeyUnit unit, ReadEntry readEntry) {
  return ParseRows<Table>(
      file, unit, kHeaderLines, [](int32_t leading, long long) -> long long { return leading; }, readEntry);
}

// A height, then the maximum weights of its eight columns.
TScreenTable ParseScreenTable(const TableFile& file) {
  return ParseKeyedRows<TScreenTable>(file, KeyUnit::Inches, [](TableStream& stream) {
    ScreenRow row{};
    for (int32_t& weight : row) weight = stream.ReadInteger();
    return row;
  });
}

// Rows fill the age brackets in file order; the first number of a row is not used.
TStandardTable ParseStandardTable(const TableFile& file) {
  return ParseRows<TStandardTable>(
      file, KeyUnit::AgeBracket, kStandardHeaderLines,
      [](int32_t, long long row) { return TStandardTable::FirstKey + row; },
      [](TableStream& stream) {
        StandardEntry entry;
        entry.Men = stream.ReadInteger();
        entry.Women = stream.ReadInteger();
        return entry;
      });
}

// Whole inches, then the values of the four quarters.
template <typename Table>
Table ParseQuarterTable(const TableFile& file) {
  return ParseKeyedRows<Table>(file, KeyUnit::Inches, [](TableStream& stream) {
    QuarterRow row{};
    for (double& value : row) value = stream.ReadReal();
    return row;
  });
}

// A stream of groups of eleven numbers, line structure ignored: an unused integer, then
// the factors of ten consecutive pounds, the first group starting at the lowest weight.
// A group cut short by the end of the file gives the pounds it reached.
TTableB3 ParseWeightTable(const TableFile& file) {
  TableFill<TTableB3> fill(file.path, KeyUnit::Pounds);
  TableStream stream(file.text);
  SkipHeader(stream, kHeaderLines);
  for (long long decade = TTableB3::FirstKey; !stream.AtEnd(); decade += kPoundsPerGroup) {
    stream.ReadInteger();
    ThrowIfFailed(stream, file);
    for (int i = 0; i < kPoundsPerGroup && !stream.RanOut(); ++i) {
      const double factor = stream.ReadReal();
      ThrowIfFailed(stream, file);
      if (!stream.RanOut()) fill.Put(decade + i, factor);
    }
  }
  return fill.Complete();
}

// A row per sex (key 1 men, 2 women): the intercept, the coefficient per pound and the
// coefficient per inch of abdomen, each read exactly.
TOneSiteTable ParseOneSiteTable(const TableFile& file) {
  return ParseKeyedRows<TOneSiteTable>(file, KeyUnit::Sex, [](TableStream& stream) {
    OneSiteEquation equation;
    for (int64_t* coefficient : {&equation.Intercept, &equation.PerPound, &equation.PerInch})
      *coefficient = stream.ReadScaled(OneSiteEquation::kDecimals, OneSiteEquation::kMaxDigits);
    return equation;
  });
}

// A whole number per row of ExemptRow: the exemption's points and months.
TExemptTable ParseExemptTable(const TableFile& file) {
  return ParseKeyedRows<TExemptTable>(file, KeyUnit::ExemptRow, [](TableStream& stream) { return stream.ReadInteger(); });
}

}  // namespace

void ParseTableText(std::size_t index, const std::string& path, const std::string& text, LoadedTables& tables) {
  const TableFile file{path, text};
  switch (index) {
    case 0: tables.screen = ParseScreenTable(file); break;
    case 1: tables.standard = ParseStandardTable(file); break;
    case 2: tables.b1 = ParseQuarterTable<TTableB1>(file); break;
    case 3: tables.b2 = ParseQuarterTable<TTableB2>(file); break;
    case 4: tables.b3 = ParseWeightTable(file); break;
    case 5: tables.b4 = ParseQuarterTable<TTableB4>(file); break;
    case 6: tables.b5 = ParseQuarterTable<TTableB5>(file); break;
    case 7: tables.b6 = ParseQuarterTable<TTableB6>(file); break;
    case 8: tables.b7 = ParseQuarterTable<TTableB7>(file); break;
    case 9: tables.b8 = ParseQuarterTable<TTableB8>(file); break;
    case 10: tables.oneSite = ParseOneSiteTable(file); break;
    default: tables.exempt = ParseExemptTable(file); break;
  }
}

LoadedTables ReadTables(const std::string& baseDir) {
  const std::filesystem::path folder = TablesFolder(baseDir);
  LoadedTables tables;
  for (std::size_t index = 0; index < TableFileNames.size(); ++index) {
    const std::string path = (folder / TableFileNames[index]).string();
    ParseTableText(index, path, ReadTableText(path), tables);
  }
  return tables;
}

void LoadTables(const std::string& baseDir) {
  const LoadedTables tables = ReadTables(baseDir);
  ScreenTable = tables.screen;
  StandardTable = tables.standard;
  TableB1 = tables.b1;
  TableB2 = tables.b2;
  TableB3 = tables.b3;
  TableB4 = tables.b4;
  TableB5 = tables.b5;
  TableB6 = tables.b6;
  TableB7 = tables.b7;
  TableB8 = tables.b8;
  OneSiteTable = tables.oneSite;
  ExemptTable = tables.exempt;
}
