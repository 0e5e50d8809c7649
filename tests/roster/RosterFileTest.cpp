// Reading a roster: CSV as spreadsheets write it, the physical line of each record, files
// that are not text or not CSV, and the header's columns.

#include "roster/RosterColumns.h"
#include "roster/RosterError.h"
#include "roster/RosterFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

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
  const RosterRecords records = ParseRoster(bytes);
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

TEST(RosterFile, WhatIsNotTextOrNotCsvIsRefusedWithItsLine) {
  EXPECT_EQ(ErrorOf([] { ParseRoster("name\n\xC3(\n"); }).message, QStringLiteral("not a text file in UTF-8"));
  // UTF-16, as some spreadsheets save "Unicode text".
  EXPECT_EQ(ErrorOf([] { ParseRoster(QByteArray("\xFF\xFEn\0a\0", 6)); }).line, 1);

  const RosterError stray = ErrorOf([] { ParseRoster("name,rank\nDOE,S\"GT\n"); });
  EXPECT_EQ(stray.line, 2);
  EXPECT_EQ(stray.message, QStringLiteral("a quote out of place: a quoted field must be quoted whole"));
  const RosterError open = ErrorOf([] { ParseRoster("name\n\"DOE\nROE\n"); });
  EXPECT_EQ(open.message, QStringLiteral("a quoted field is not closed"));
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
            QStringLiteral("column \"AGE\" appears twice"));
  names.removeAt(3);  // forearm3, in the reversed order
  EXPECT_EQ(ErrorOf([&] { RosterHeader{names}; }).message, QStringLiteral("missing column \"forearm3\""));
}
