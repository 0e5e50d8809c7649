#include "standards/Calculate.h"
#include "standards/TableParsers.h"
#include "standards/Tables.h"
#include "tests/standards/TableDir.h"
#include "tests/standards/ZeroRows.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using Row = QuarterRow;

// A B-3 group: a leading integer, then the factors first, first + 1, ... first + 9.
std::string Group(int key, int first) {
  std::string text = std::to_string(key);
  for (int i = 0; i < 10; ++i) text += " " + std::to_string(first + i);
  return text;
}

// The text with every CR LF replaced by lineEnd.
std::string WithLineEnds(std::string text, const std::string& lineEnd) {
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += lineEnd.size()) {
    text.replace(at, 2, lineEnd);
  }
  return text;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The message LoadTables refuses the tables of baseDir with, or "loaded".
std::string LoadMessage(const std::string& baseDir) {
  try {
    LoadTables(baseDir);
  } catch (const TableLoadError& error) {
    return error.what();
  }
  return "loaded";
}

class LoadTablesTest : public ::testing::Test {
 protected:
  TableDir dir;
};

TEST_F(LoadTablesTest, LfAndBareCrCopiesOfTheShippedTablesLoadTheSameValues) {
  const LoadedTables shipped = ReadTables(CORVANE_SOURCE_DIR);
  const std::filesystem::path folder = std::filesystem::path(CORVANE_SOURCE_DIR) / "TABLES";
  for (const std::string lineEnd : {"\n", "\r"}) {
    TableDir copy;
    for (const char* name : TableFileNames) {
      const std::string text = ReadBytes(folder / name);
      ASSERT_NE(text.find("\r\n"), std::string::npos) << name;
      copy.Write(name, WithLineEnds(text, lineEnd));
    }
    EXPECT_TRUE(ReadTables(copy.Base()) == shipped) << (lineEnd == "\n" ? "LF" : "CR");
  }
  // Not all zero: the comparison has values to compare.
  EXPECT_NE(shipped.b1.At(17), Row{});
  EXPECT_NE(shipped.b3.At(279), 0);
  EXPECT_NE(shipped.exempt.Row(ExemptRow::MonthsReserve), 0);
}

TEST_F(LoadTablesTest, LineEndsAndEndOfFile) {
  dir.WriteOverZeros("Table.B-1", "10 1 2 3 4\r\n11 5 6 7 8\r\n");
  dir.Write("Table.B-2", WithLineEnds(HeaderLines(5) + ZeroRowsOf("Table.B-2") + "60 1 2 3 4\r\n61 5 6 7 8\r\n", "\r"));
  dir.Write("Table.B-4", WithLineEnds(HeaderLines(5) + ZeroRowsOf("Table.B-4") + "60 1 2 3 4\r\n61 5 6 7 8", "\n"));
  dir.WriteOverZeros("Table.B-5", "30 1 2 3 4\r\n\x1A" "31 5 6 7 8\r\n");  // nothing after Ctrl-Z counts
  LoadTables(dir.Base());
  EXPECT_EQ(TableB1.At(11), (Row{5, 6, 7, 8}));
  EXPECT_EQ(TableB2.At(60), (Row{1, 2, 3, 4}));
  EXPECT_EQ(TableB2.At(61), (Row{5, 6, 7, 8}));
  EXPECT_EQ(TableB4.At(60), (Row{1, 2, 3, 4}));
  EXPECT_EQ(TableB4.At(61), (Row{5, 6, 7, 8}));
  EXPECT_EQ(TableB5.At(30), (Row{1, 2, 3, 4}));
  EXPECT_EQ(TableB5.At(31), Row{});
}

TEST_F(LoadTablesTest, RowsSpanLinesAndIgnoreWhatFollows) {
  dir.WriteOverZeros("Table.B-1",
                     "10 1.5\r\n  2.25\t3 4\r\n"   // continued on the next line
                     "12 1 2 3 4 5 words\r\n"      // a fifth number and a comment
                     "13 1 2 3\r\n14 9 9 9 9\r\n"  // three numbers: the fourth is the next key
                     "15 -1 +2 1e1 .5\r\n");
  // 64 characters make one real and 32 one integer; the rest of the run is the next number.
  dir.WriteOverZeros("Table.B-7", "5 " + std::string(64, '0') + "7 2 3\r\n");
  dir.WriteOverZeros("SCREEN.TBL", std::string(32, '0') + "70 1 2 3 4 5 6 7 8\r\n");
  LoadTables(dir.Base());
  EXPECT_EQ(TableB1.At(10), (Row{1.5, 2.25, 3, 4}));
  EXPECT_EQ(TableB1.At(12), (Row{1, 2, 3, 4}));
  EXPECT_EQ(TableB1.At(13), (Row{1, 2, 3, 14}));
  EXPECT_EQ(TableB1.At(14), Row{});
  EXPECT_EQ(TableB1.At(15), (Row{-1, 2, 10, 0.5}));
  EXPECT_EQ(TableB7.At(5), (Row{0, 7, 2, 3}));
  EXPECT_EQ(ScreenTable.At(70), ScreenRow{});  // the key read as 0
}

TEST_F(LoadTablesTest, KeysPlaceRowsAndOthersAreIgnored) {
  dir.WriteOverZeros("SCREEN.TBL",
                     "70 180 185 190 195 160 165 170 175\r\n60 1 2 3 4 5 6 7 8\r\n"
                     "70 181 186 191 196 161 166 171 176\r\n");
  dir.WriteOverZeros("Table.B-8", "5 1 1 1 1\r\n4 2 2 2 2\r\n16 3 3 3 3\r\n-7 4 4 4 4\r\n\r\n");
  // Brackets in row order whatever comes first; a fifth row and a blank line are dropped.
  dir.WriteRows("STANDARD.TBL", "1 20 30\r\n2 22 32\r\n3 24 34\r\n4 26 36\r\n5 99 99\r\n\r\n");
  std::string groups;
  for (int weight = 90; weight < 300; weight += 10) groups += Group(weight, weight) + "\r\n";
  dir.WriteRows("Table.B-3", groups);
  ASSERT_NO_THROW(LoadTables(dir.Base()));
  EXPECT_EQ(ScreenTable.At(70), (ScreenRow{181, 186, 191, 196, 161, 166, 171, 176}));
  EXPECT_EQ(ScreenTable.At(60), (ScreenRow{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(TableB8.At(5), (Row{1, 1, 1, 1}));
  EXPECT_EQ(StandardTable.At(1).Men, 20);
  EXPECT_EQ(StandardTable.At(4).Women, 36);
  EXPECT_EQ(TableB3.At(279), 279);
}

TEST_F(LoadTablesTest, WeightGroupsIgnoreLineStructure) {
  std::string groups = Group(90, 1) + " " + Group(100, 11) + "\r\n" + "0 21 22 23\r\n24 25 26 27\r\n28 29 30\r\n" +
                       Group(0, 31) + "\r\n";
  for (int weight = 130; weight < 280; weight += 10) groups += Group(weight, weight - 89) + "\r\n";
  dir.WriteRows("Table.B-3", groups);
  LoadTables(dir.Base());
  for (int weight = 90; weight < 280; ++weight) EXPECT_EQ(TableB3.At(weight), weight - 89);
}

TEST_F(LoadTablesTest, IncompleteTablesNameTheFileAndTheFirstMissingRow) {
  const struct {
    const char* file;
    const char* missing;
  } headerOnly[] = {
      {"SCREEN.TBL", "no row for 58 inches (the table needs 58 to 80)"},
      {"STANDARD.TBL", "no row for age bracket 1 (the table needs brackets 1 to 4)"},
      {"Table.B-1", "no row for 5 inches (the table needs 5 to 40)"},
      {"Table.B-2", "no row for 60 inches (the table needs 60 to 84)"},
      {"Table.B-3", "no factor for 90 pounds (the table needs 90 to 279)"},
      {"Table.B-4", "no row for 55 inches (the table needs 55 to 84)"},
      {"Table.B-5", "no row for 30 inches (the table needs 30 to 53)"},
      {"Table.B-6", "no row for 5 inches (the table needs 5 to 15)"},
      {"Table.B-7", "no row for 5 inches (the table needs 5 to 15)"},
      {"Table.B-8", "no row for 5 inches (the table needs 5 to 15)"},
      {"ONESITE.TBL", "no row for men (the table needs 1 for men and 2 for women)"},
      {"EXEMPT.TBL", "no row for the minimum total points (the table needs rows 1 to 4)"},
  };
  for (const auto& c : headerOnly) {
    TableDir fresh;
    fresh.WriteRows(c.file, "\r\n");
    EXPECT_EQ(LoadMessage(fresh.Base()), fresh.Shown(c.file) + ": " + c.missing);
  }

  const auto without = [](const std::string& rows, const std::string& row) {
    const std::size_t at = rows.find(row);
    return rows.substr(0, at) + rows.substr(at + row.size());
  };
  std::string b3 = ZeroRowsOf("Table.B-3");
  b3.resize(b3.rfind("0 0 0 0 0 0 0 0\r\n"));  // the last group stops after 271 pounds
  const struct {
    const char* file;
    std::string text;
    const char* message;
  } cases[] = {
      {"Table.B-1", HeaderLines(5) + without(ZeroRowsOf("Table.B-1"), "17 0 0 0 0\r\n"),
       "no row for 17 inches (the table needs 5 to 40)"},
      {"SCREEN.TBL", "AR 600-9\r\nshorter than its header\r\n", "no row for 58 inches (the table needs 58 to 80)"},
      {"Table.B-6", "", "no row for 5 inches (the table needs 5 to 15)"},
      {"Table.B-5", HeaderLines(5) + "30 1 2 3 4\x1A" + ZeroRowsOf("Table.B-5"),
       "no row for 31 inches (the table needs 30 to 53)"},
      {"STANDARD.TBL", HeaderLines(4) + "17 20 30\r\n21 22 32\r\n28 24 34\r\n\r\n",
       "no row for age bracket 4 (the table needs brackets 1 to 4)"},
      {"Table.B-3", HeaderLines(5) + b3, "no factor for 272 pounds (the table needs 90 to 279)"},
      {"ONESITE.TBL", HeaderLines(5) + "1 -26.97 -0.12 1.99\r\n3 -9.15 -0.015 1.27\r\n",
       "no row for women (the table needs 1 for men and 2 for women)"},
      {"EXEMPT.TBL", HeaderLines(5) + "1 465\r\n2 80\r\n3 8\r\n5 12\r\n",
       "no row for the months of the Army National Guard and Army Reserve (the table needs rows 1 to 4)"},
      // Rows that the end of the file cuts short, at Ctrl-Z or the last byte.
      {"Table.B-6", HeaderLines(5) + ZeroRowsOf("Table.B-6") + "5 1 2\x1A 3 4\r\n",
       "line 17: the row for 5 inches is cut short by the end of the file"},
      {"Table.B-1", HeaderLines(5) + ZeroRowsOf("Table.B-1") + "40\r\n 1 2 3", "line 42: the row for 40 inches is cut short by the end of the file"},
      {"STANDARD.TBL", HeaderLines(4) + "17 20 30\r\n21 22 32\r\n28 24 34\r\n40 26",
       "line 8: the row for age bracket 4 is cut short by the end of the file"},
      {"ONESITE.TBL", HeaderLines(5) + "2 -9.15 -0.015 1.27\r\n1 -26.97 -0.12",
       "line 7: the row for men is cut short by the end of the file"},
      {"EXEMPT.TBL", HeaderLines(5) + "1 465\r\n2 80\r\n4 12\r\n3\r\n",
       "line 9: the row for the months of the Regular Army and AGR is cut short by the end of the file"},
  };
  for (const auto& c : cases) {
    TableDir fresh;
    fresh.Write(c.file, c.text);
    EXPECT_EQ(LoadMessage(fresh.Base()), fresh.Shown(c.file) + ": " + c.message);
  }

  // Cut short past the table's keys, a row is ignored like any row outside them.
  dir.WriteOverZeros("Table.B-1", "41 1 2");
  dir.WriteOverZeros("ONESITE.TBL", "3 1");
  dir.WriteOverZeros("EXEMPT.TBL", "5");
  EXPECT_EQ(LoadMessage(dir.Base()), "loaded");
}

TEST_F(LoadTablesTest, ExemptionThresholdsOutsideTheirBoundsNameTheLine) {
  dir.WriteRows("EXEMPT.TBL", "1 500 total\r\n2 100\r\n3 120\r\n4 0\r\n5 -7 ignored\r\n");
  ASSERT_EQ(LoadMessage(dir.Base()), "loaded");
  EXPECT_EQ(ExemptTable.Row(ExemptRow::MinimumTotal), 500);
  EXPECT_EQ(ExemptTable.Row(ExemptRow::MinimumPerEvent), 100);
  EXPECT_EQ(ExemptTable.Row(ExemptRow::MonthsActive), 120);
  EXPECT_EQ(ExemptTable.Row(ExemptRow::MonthsReserve), 0);

  const struct {
    std::string rows;
    const char* message;
  } cases[] = {
      {"1 501\r\n2 80\r\n3 8\r\n4 12\r\n", "line 6: the row for the minimum total points gives 501 (the table allows 0 to 500)"},
      {"1 465\r\n2 -1\r\n3 8\r\n4 12\r\n",
       "line 7: the row for the minimum points per event gives -1 (the table allows 0 to 100)"},
      {"1 465\r\n\r\n2 101\r\n3 8\r\n4 12\r\n",
       "line 8: the row for the minimum points per event gives 101 (the table allows 0 to 100)"},
      {"1 465\r\n2 80\r\n3 121\r\n4 12\r\n",
       "line 8: the row for the months of the Regular Army and AGR gives 121 (the table allows 0 to 120)"},
      {"1 465\r\n2 80\r\n3 8\r\n4 -12\r\n",
       "line 9: the row for the months of the Army National Guard and Army Reserve gives -12 (the table allows 0 to 120)"},
      {"1 465\r\n2 80.0\r\n3 8\r\n4 12\r\n", "line 7: bad number \"80.0\""},
  };
  for (const auto& c : cases) {
    TableDir fresh;
    fresh.WriteRows("EXEMPT.TBL", c.rows);
    EXPECT_EQ(LoadMessage(fresh.Base()), fresh.Shown("EXEMPT.TBL") + ": " + c.message) << c.rows;
  }
}

TEST_F(LoadTablesTest, MissingFileStopsLoadingAndKeepsTheTables) {
  dir.WriteOverZeros("Table.B-1", "10 1 2 3 4\r\n");
  LoadTables(dir.Base());
  dir.WriteOverZeros("Table.B-1", "10 5 6 7 8\r\n");
  std::filesystem::remove(dir.File("Table.B-8"));
  EXPECT_EQ(LoadMessage(dir.Base()), dir.Shown("Table.B-8") + ": file not found");
  EXPECT_EQ(TableB1.At(10), (Row{1, 2, 3, 4}));
}

TEST_F(LoadTablesTest, MessagesNameTheFolderWhereTheTablesReallyAre) {
  // As the Debian package installs them: the program's TABLES links to the folder that
  // holds the files.
  const std::filesystem::path program = std::filesystem::path(dir.Base()) / "lib" / "corvane32";
  std::filesystem::create_directories(program);
  std::filesystem::create_directory_symlink("../../TABLES", program / "TABLES");
  EXPECT_EQ(LoadMessage(program.string()), "loaded");

  dir.WriteRows("Table.B-1", "\r\n");
  EXPECT_EQ(LoadMessage(program.string()), dir.Shown("Table.B-1") + ": no row for 5 inches (the table needs 5 to 40)");
  dir.WriteOverZeros("Table.B-1", "");
  std::filesystem::remove(dir.File("Table.B-8"));
  EXPECT_EQ(LoadMessage(program.string()), dir.Shown("Table.B-8") + ": file not found");
}

TEST_F(LoadTablesTest, BadTokensNameTheFileTheLineAndTheToken) {
  const struct {
    const char* file;
    std::string text;
    const char* message;
  } cases[] = {
      {"Table.B-3", HeaderLines(5) + "90 1 2 1O2 4\r\n", "line 6: bad number \"1O2\""},
      {"Table.B-5", HeaderLines(5) + "30 1 2 3 4\r\n31 1 2 3 4 x\r\n32 1e 2 3 4\r\n", "line 8: bad number \"1e\""},
      {"Table.B-5", WithLineEnds(HeaderLines(5) + "30 1 2\r\n\r\n 3 4\r\n31 1 2 3 4 x\r\n32 1 2 3 4z\r\n", "\n"),
       "line 10: bad number \"4z\""},
      {"SCREEN.TBL", HeaderLines(5) + "+-70 1 2 3 4 5 6 7 8.5\r\n", "line 6: bad number \"+-70\""},
      {"STANDARD.TBL", HeaderLines(4) + "1 20 99999999999\r\n", "line 5: bad number \"99999999999\""},
  };
  for (const auto& c : cases) {
    TableDir fresh;
    fresh.Write(c.file, c.text);
    EXPECT_EQ(LoadMessage(fresh.Base()), fresh.Shown(c.file) + ": " + c.message);
  }
}

}  // namespace
