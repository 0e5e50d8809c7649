// Loading of the table files. Every file is read whole, parsed by the table reading rules
// into a zeroed table of its own, and the tables replace the global ones only once all
// have loaded. Rows whose key has no place in a table are ignored.

#include "standards/Calculate.h"
#include "standards/TableParsers.h"
#include "standards/TableStream.h"
#include "standards/Tables.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kHeaderLines = 5;
constexpr int kStandardHeaderLines = 4;
constexpr int kPoundsPerGroup = 10;

// One table file: its path relative to the program (for messages) and its text.
struct TableFile {
  std::string relativePath;
  std::string text;
};

[[noreturn]] void Fail(const std::string& relativePath, const std::string& reason) {
  throw TableLoadError(relativePath + ": " + reason);
}

TableFile ReadTableFile(const std::string& baseDir, const std::string& name) {
  TableFile file{"TABLES/" + name, {}};
  const std::string path = baseDir + "/" + file.relativePath;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
  if (!stream) {
    if (errno == ENOENT || errno == ENOTDIR) Fail(file.relativePath, "file not found");
    Fail(file.relativePath, std::string("cannot be opened (") + std::strerror(errno) + ")");
  }
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream.get())) > 0) {
    file.text.append(buffer, count);
  }
  if (std::ferror(stream.get())) Fail(file.relativePath, "cannot be read");
  return file;
}

void ThrowIfFailed(const TableStream& stream, const TableFile& file) {
  if (stream.Failed()) Fail(file.relativePath, "bad number \"" + stream.BadToken() + "\"");
}

void SkipHeader(TableStream& stream, int lines) {
  for (int i = 0; i < lines; ++i) stream.SkipLine();
}

// Rows of an integer key and its entry, each ended by skipping the rest of its line; a
// row whose key has no place in the table is ignored.
template <typename Table, typename ReadEntry>
Table ParseKeyedRows(const TableFile& file, ReadEntry readEntry) {
  Table table;
  TableStream stream(file.text);
  SkipHeader(stream, kHeaderLines);
  while (!stream.AtEnd()) {
    const int32_t key = stream.ReadInteger();
    const auto entry = readEntry(stream);
    stream.SkipLine();
    ThrowIfFailed(stream, file);
    if (Table::HasKey(key)) table.At(key) = entry;
  }
  return table;
}

// A height, then the maximum weights of its eight columns.
TScreenTable ParseScreenTable(const TableFile& file) {
  return ParseKeyedRows<TScreenTable>(file, [](TableStream& stream) {
    ScreenRow row{};
    for (int32_t& weight : row) weight = stream.ReadInteger();
    return row;
  });
}

// Rows fill the age brackets in file order; the first number of a row is not used.
TStandardTable ParseStandardTable(const TableFile& file) {
  TStandardTable table;
  TableStream stream(file.text);
  SkipHeader(stream, kStandardHeaderLines);
  for (long long bracket = TStandardTable::FirstKey; !stream.AtEnd(); ++bracket) {
    stream.ReadInteger();
    StandardEntry entry;
    entry.Men = stream.ReadInteger();
    entry.Women = stream.ReadInteger();
    stream.SkipLine();
    ThrowIfFailed(stream, file);
    if (TStandardTable::HasKey(bracket)) table.At(static_cast<int>(bracket)) = entry;
  }
  return table;
}

// Whole inches, then the values of the four quarters.
template <typename Table>
Table ParseQuarterTable(const TableFile& file) {
  return ParseKeyedRows<Table>(file, [](TableStream& stream) {
    QuarterRow row{};
    for (double& value : row) value = stream.ReadReal();
    return row;
  });
}

// A stream of groups of eleven numbers, line structure ignored: an unused integer, then
// the factors of ten consecutive pounds, the first group starting at the lowest weight.
TTableB3 ParseWeightTable(const TableFile& file) {
  TTableB3 table;
  TableStream stream(file.text);
  SkipHeader(stream, kHeaderLines);
  for (long long decade = TTableB3::FirstKey; !stream.AtEnd(); decade += kPoundsPerGroup) {
    stream.ReadInteger();
    ThrowIfFailed(stream, file);
    for (int i = 0; i < kPoundsPerGroup; ++i) {
      const double factor = stream.ReadReal();
      ThrowIfFailed(stream, file);
      if (TTableB3::HasKey(decade + i)) table.At(static_cast<int>(decade + i)) = factor;
    }
  }
  return table;
}

// A row per sex (key 1 men, 2 women): the intercept, the coefficient per pound and the
// coefficient per inch of abdomen, each read exactly.
TOneSiteTable ParseOneSiteTable(const TableFile& file) {
  return ParseKeyedRows<TOneSiteTable>(file, [](TableStream& stream) {
    OneSiteEquation equation;
    for (int64_t* coefficient : {&equation.Intercept, &equation.PerPound, &equation.PerInch})
      *coefficient = stream.ReadScaled(OneSiteEquation::kDecimals, OneSiteEquation::kMaxDigits);
    return equation;
  });
}

}  // namespace

void ParseTableText(std::size_t index, const std::string& text, LoadedTables& tables) {
  const TableFile file{std::string("TABLES/") + TableFileNames.at(index), text};
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
    default: tables.oneSite = ParseOneSiteTable(file); break;
  }
}

void LoadTables(const std::string& baseDir) {
  LoadedTables tables;
  for (std::size_t index = 0; index < TableFileNames.size(); ++index) {
    ParseTableText(index, ReadTableFile(baseDir, TableFileNames[index]).text, tables);
  }
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
}
