// Reading a roster: CSV as spreadsheets write it, the physical line of each record, its
// encoding, files that are not text or not CSV or hold a row too long, and the header's
// columns.

#include "roster/RosterColumns.h"
#include "roster/RosterError.h"
#include "roster/RosterFile.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Every record of a roster held in memory.
std::vector<RosterRecord> ParseRoster(QByteArray bytes) {
  QBuffer roster(&bytes);
  roster.open(QIODevice::ReadOnly);
  std::vector<RosterRecord> records;
  ReadRoster(roster, [&records](const RosterRecord& record) { records.push_back(record); });
  return records;
}

// The error a call throws; a message saying none was thrown otherwise.
RosterError ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const RosterError& error) {
    return error;
  }
  return {0, QStringLiteral("nothing thrown")};
}

QStringList AllColumns() {
  QStringList names;
  for (const RosterColumn& column : RosterColumns()) names << QLatin1String(column.name);
  return names;
}

}  // namespace

TEST(RosterFile, RecordsKeepTheirValuesAndTheLineTheyStartOn) {
  const QByteArray bytes =
      "\xEF\xBB\xBF"
      "name,rank\r\n"
      "\"DOE, JOHN \"\"JACK\"\"\",SGT\r\n"
      "\r\n"
      "   \n"
      "\"LINE\r\nBROKEN\",\"TWICE\nOVER\"\n"
      "\"\xC3\x96ZT\xC3\x9CRK, ADA\",,\n"
      "LAST,NO LINE END";
  const std::vector<RosterRecord> records = ParseRoster(bytes);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[0].values, (QStringList{"name", "rank"}));  // the byte-order mark is gone
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[1].values, (QStringList{"DOE, JOHN \"JACK\"", "SGT"}));
  EXPECT_EQ(records[2].line, 5);  // after a blank line and one of blanks alone
  EXPECT_EQ(records[2].values, (QStringList{"LINE\r\nBROKEN", "TWICE\nOVER"}));
  EXPECT_EQ(records[3].line, 8);
  EXPECT_EQ(records[3].values, (QStringList{QStringLiteral("ÖZTÜRK, ADA"), "", ""}));
  EXPECT_EQ(records[4].line, 9);
  EXPECT_EQ(records[4].values, (QStringList{"LAST", "NO LINE END"}));
}

// Spreadsheets write a row of empty cells for every blank row they save, below the data
// and sometimes above it: such rows, and rows of blanks alone, are blank lines.
TEST(RosterFile, RowsOfEmptyCellsAreBlankLines) {
  const std::vector<RosterRecord> records = ParseRoster(
      ",,,\r\n"
      "name,rank,,\r\n"
      ",,,\r\n"
      "DOE,SGT,,\r\n"
      " , ,\"\",\" \"\r\n"
      ",,,\r\n"
      "ROE,,,\r\n"
      ",,,\r\n"
      ",,,\r\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].line, 2);
  EXPECT_EQ(records[1].line, 4);
  EXPECT_EQ(records[2].line, 7);
  EXPECT_EQ(records[2].values, (QStringList{"ROE", "", "", ""}));
}

TEST(RosterFile, WhatIsNotTextOrNotCsvIsRefusedWithItsLine) {
  // UTF-16, as some spreadsheets save "Unicode text".
  EXPECT_EQ(ErrorOf([] { ParseRoster(QByteArray("\xFF\xFEn\0a\0", 6)); }).line, 1);
  const RosterError nul = ErrorOf([] { ParseRoster(QByteArray("name\n\"DOE\nR\0E\"\n", 15)); });
  EXPECT_EQ(nul.line, 3);  // inside a field that began on line 2
  EXPECT_EQ(nul.message, "not a text file: it holds a NUL byte");

  const RosterError stray = ErrorOf([] { ParseRoster("name,rank\nDOE,S\"GT\n"); });
  EXPECT_EQ(stray.line, 2);
  EXPECT_EQ(stray.message, QStringLiteral("a quote out of place: a quoted field must be quoted whole"));
  EXPECT_EQ(ErrorOf([] { ParseRoster("name\n\"DOE\nROE\"x\n"); }).line, 3);  // after a quoted line break
  const RosterError open = ErrorOf([] { ParseRoster("name\n\"DOE\nROE\n"); });
  EXPECT_EQ(open.message, QStringLiteral("a quoted field is not closed"));
}

TEST(RosterFile, TextThatIsNotUtf8IsReadAsWindows1252) {
  // As a spreadsheet on Windows saves "CSV": the euro sign, curly quotes and an umlaut.
  const std::vector<RosterRecord> ansi = ParseRoster("name,rank\r\n\"M\xDCLLER, \x93JO\x94\",\x80\r\n");
  ASSERT_EQ(ansi.size(), 2u);
  EXPECT_EQ(ansi[1].values, (QStringList{"MÜLLER, “JO”", "€"}));
  // Valid UTF-8 stays UTF-8, though its bytes would read in Windows-1252 too (0x81 among
  // them: the second byte of "Á").
  EXPECT_EQ(ParseRoster("name\n\xC3\x81LVAREZ\n")[1].values, QStringList{"ÁLVAREZ"});

  // A byte-order mark declares UTF-8; a byte that Windows-1252 leaves undefined is in neither.
  const RosterError declared = ErrorOf([] { ParseRoster("\xEF\xBB\xBFname\nOK\n\xDC" "BEL\n"); });
  EXPECT_EQ(declared.line, 3);
  EXPECT_EQ(declared.message, "not a text file in UTF-8, which its byte-order mark declares");
  const RosterError neither = ErrorOf([] { ParseRoster("name\n\xDC\nX\x8D\n"); });
  EXPECT_EQ(neither.line, 3);
  EXPECT_EQ(neither.message, "not a text file in UTF-8 or Windows-1252: byte 0x8D is in neither");
}

// The file is parsed in slices of 64 KiB: a record, a quoted line break or a CR LF cut by
// the slice's end keeps its values and its line.
TEST(RosterFile, RecordsAcrossTheReadingSlicesKeepTheirLines) {
  QByteArray bytes = "name,rank\r\n";
  int line = 2;
  while (bytes.size() < 3 * 65536) {
    const QByteArray filler = QByteArray::number(line).rightJustified(7, '0');
    bytes += "\"" + filler + "\r\n\",X\r\n";  // a quoted line break, then a CR LF line end
    line += 2;
  }
  bytes += "LAST,Y";
  const std::vector<RosterRecord> records = ParseRoster(bytes);
  ASSERT_EQ(static_cast<int>(records.size()), 1 + (line - 2) / 2 + 1);
  EXPECT_EQ(records[1].values, (QStringList{"0000002\r\n", "X"}));
  EXPECT_EQ(records.back().line, line);
  EXPECT_EQ(records.back().values, (QStringList{"LAST", "Y"}));
  for (std::size_t i = 1; i + 1 < records.size(); ++i) {
    ASSERT_EQ(records[i].line, static_cast<int>(2 * i)) << i;
    ASSERT_EQ(records[i].values[0].left(7).toInt(), records[i].line) << i;
  }
}

TEST(RosterFile, ARowOfMoreThanAMebibyteIsRefusedAtItsLine) {
  const QByteArray header = "name,rank\n";
  const QByteArray longest(kLongestRecord, 'N');
  EXPECT_EQ(ParseRoster(header + longest + "\n")[1].values[0].size(), kLongestRecord);
  const QByteArray commas(kLongestRecord + 1, ',');  // empty fields: their commas count
  const RosterError fields = ErrorOf([&] { ParseRoster(header + "OK,X\n\n" + commas + "\n"); });
  EXPECT_EQ(fields.line, 4);
  EXPECT_EQ(fields.message, "a row of more than 1 MiB, which no soldier's row comes near: is a quote left open?");
  // A quote left open is caught as it grows, long before the end of the file.
  EXPECT_EQ(ErrorOf([&] { ParseRoster(header + "\"DOE\n" + QByteArray(8 * kLongestRecord, 'x')); }).line, 2);
  EXPECT_EQ(ErrorOf([&] { ParseRoster(header + "X," + longest + "\n"); }).line, 2);
}

TEST(RosterFile, TheHeaderNamesEveryColumnInAnyOrderAndCase) {
  QStringList names = AllColumns();
  std::reverse(names.begin(), names.end());
  names[0] = QStringLiteral(" Wrist3 ");
  names[5] = names[5].toUpper();
  const RosterHeader header(names);
  QStringList record(names.size());
  record[0] = QStringLiteral(" 6.25 ");
  EXPECT_EQ(header.Value(record, "wrist3"), QStringLiteral("6.25"));
  EXPECT_EQ(header.Value(QStringList{}, "wrist3"), QString());  // a short record: empty
  EXPECT_EQ(header.UnnamedValue(record), std::nullopt);

  // Empty cells past the last column name nothing; a value under one, or past the header,
  // is found.
  const RosterHeader padded(names + QStringList{"", " "});
  EXPECT_EQ(padded.UnnamedValue(record + QStringList{"", ""}), std::nullopt);
  EXPECT_EQ(padded.UnnamedValue(record + QStringList{"", "x"}), names.size() + 1);
  EXPECT_EQ(padded.UnnamedValue(record + QStringList{"", "", "", "y"}), names.size() + 3);

  EXPECT_EQ(ErrorOf([&] { RosterHeader(names + QStringList{"AGE"}); }).message,
            "column age appears twice, as \"age\" and \"AGE\"");
  // A column may be left out: the rows that read it say so.
  names.removeAt(3);  // forearm3, in the reversed order
  const RosterHeader withoutForearm3(names);
  EXPECT_FALSE(withoutForearm3.Has("forearm3"));
  EXPECT_TRUE(withoutForearm3.Has("forearm2"));
  EXPECT_EQ(withoutForearm3.Value(record, "forearm3"), QString());
}

TEST(RosterFile, TheHeaderNamesColumnsAsSpreadsheetUsersWriteThem) {
  const RosterHeader header({"Name", " Rank ", "SSN", "SEX", "Age (years)", "Weight (lbs)", "Height (in)",
                             "Neck_1", "neck-2", "NECK 3", "Abdomen 1 (in)", "abdomen\u00a02", "Ab-Do_Men 3",
                             "Method", "Hips\u20101"});
  for (const char* column : {"name", "rank", "ssan", "sex", "age", "weight", "height", "neck1", "neck2", "neck3",
                             "abdomen1", "abdomen2", "abdomen3", "method", "hips1"})
    EXPECT_TRUE(header.Has(column)) << column;
  EXPECT_FALSE(header.Has("abdomen4"));
  EXPECT_EQ(header.Value(QStringList{"DOE", "", "012-34-5678"}, "ssan"), "012-34-5678");

  // Every column of the table is found by its own name, however written: none hides
  // another.
  for (const RosterColumn& column : RosterColumns()) {
    const QString name = QLatin1String(column.name);
    const QString written = name.toUpper().insert(1, u'_') + QStringLiteral(" (in)");
    EXPECT_TRUE(RosterHeader({written}).Has(column.name)) << written.toStdString();
  }

  // Two cells that name one column are both shown; a unit alone, or a name the unit does
  // not make known, is an unknown column.
  EXPECT_EQ(ErrorOf([] { RosterHeader({"Abdomen 1", "name", "abdomen_1"}); }).message,
            "column abdomen1 appears twice, as \"Abdomen 1\" and \"abdomen_1\"");
  EXPECT_EQ(ErrorOf([] { RosterHeader({"ssan", "SSN"}); }).message,
            "column ssan appears twice, as \"ssan\" and \"SSN\"");
  EXPECT_EQ(ErrorOf([] { RosterHeader({"name", "(in)"}); }).message, "unknown column \"(in)\"");
  EXPECT_EQ(ErrorOf([] { RosterHeader({"name", "Waist (in)"}); }).message, "unknown column \"Waist (in)\"");
  EXPECT_EQ(ErrorOf([] { RosterHeader({"name", "weight (lbs) (kg)"}); }).message,
            "unknown column \"weight (lbs) (kg)\"");
}

TEST(RosterFile, AHeaderIsRefusedWithItsNamesShownSafelyOrNotAtAll) {
  // A name from the file is shown cut and escaped: no byte of it reaches the terminal raw.
  const RosterError coloured = ErrorOf([] { RosterHeader({"name", "\x1b[31mrank\x1b[0m\r"}); });
  EXPECT_EQ(coloured.message, "unknown column \"\\x1b[31mrank\\x1b[0m\\r\"");
  const RosterError twice = ErrorOf([] { RosterHeader({"name", "NAME" + QString(100, u'\t')}); });
  EXPECT_EQ(twice.message,
            QStringLiteral("column name appears twice, as \"name\" and \"NAME%1…\"")
                .arg(QStringLiteral("\\t").repeated(76)));

  // A first row with no column name at all is a roster without its header: none of its
  // values is shown.
  const RosterError headless = ErrorOf([] { RosterHeader({"DOE", "SGT", "123-45-6789", "Male", "", "ssan "}); });
  EXPECT_EQ(headless.message, "unknown column \"DOE\"");  // "ssan" is a column name
  const RosterError data = ErrorOf([] { RosterHeader({"DOE, JOHN", "SGT", "123-45-6789", "Male", ""}); });
  EXPECT_EQ(data.message, QStringLiteral("the first row names no known column: a roster begins with a row of column "
                                         "names such as name,rank,ssan,sex,age,weight,height"));
}
