#include "standards/Calculate.h"
#include "standards/Tables.h"
#include "tests/standards/TableDir.h"

#include <gtest/gtest.h>

namespace {

using Row = QuarterRow;

// A B-3 group: a leading integer, then the factors first, first + 1, ... first + 9.
std::string Group(int key, int first) {
  std::string text = std::to_string(key);
  for (int i = 0; i < 10; ++i) text += " " + std::to_string(first + i);
  return text;
}

class LoadTablesTest : public ::testing::Test {
 protected:
  TableDir dir;
};

TEST_F(LoadTablesTest, LineEndsAndEndOfFile) {
  dir.Write("Table.B-1", HeaderLines(5) + "10 1 2 3 4\r\n11 5 6 7 8\r\n");
  dir.Write("Table.B-2", "h\rh\rh\rh\rh\r60 1 2 3 4\r61 5 6 7 8\r");
  dir.Write("Table.B-4", "h\nh\nh\nh\nh\n60 1 2 3 4\n61 5 6 7 8\n");  // one line: all header
  dir.WriteRows("Table.B-5", "30 1 2 3 4\r\n\x1A" "31 5 6 7 8\r\n");
  dir.WriteRows("Table.B-6", "5 1 2\x1A 3 4\r\n");  // numbers past Ctrl-Z read as 0
  dir.Write("SCREEN.TBL", "AR 600-9\r\nshorter than its header\r\n");
  dir.Write("Table.B-3", "");
  LoadTables(dir.Base());
  EXPECT_EQ(TableB1.At(11), (Row{5, 6, 7, 8}));
  EXPECT_EQ(TableB2.At(60), (Row{1, 2, 3, 4}));
  EXPECT_EQ(TableB2.At(61), (Row{5, 6, 7, 8}));
  EXPECT_EQ(TableB4.At(60), Row{});
  EXPECT_EQ(TableB5.At(30), (Row{1, 2, 3, 4}));
  EXPECT_EQ(TableB5.At(31), Row{});
  EXPECT_EQ(TableB6.At(5), (Row{1, 2, 0, 0}));
  EXPECT_EQ(ScreenTable.At(70), ScreenRow{});
  EXPECT_EQ(TableB3.At(90), 0);
}

TEST_F(LoadTablesTest, RowsSpanLinesAndIgnoreWhatFollows) {
  dir.WriteRows("Table.B-1",
                "10 1.5\r\n  2.25\t3 4\r\n"   // continued on the next line
                "12 1 2 3 4 5 words\r\n"      // a fifth number and a comment
                "13 1 2 3\r\n14 9 9 9 9\r\n"  // three numbers: the fourth is the next key
                "15 -1 +2 1e1 .5\r\n");
  // 64 characters make one real and 32 one integer; the rest of the run is the next number.
  dir.WriteRows("Table.B-7", "5 " + std::string(64, '0') + "7 2 3\r\n");
  dir.WriteRows("SCREEN.TBL", std::string(32, '0') + "70 1 2 3 4 5 6 7 8\r\n");
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
  dir.WriteRows("SCREEN.TBL",
                "70 180 185 190 195 160 165 170 175\r\n60 1 2 3 4 5 6 7 8\r\n"
                "70 181 186 191 196 161 166 171 176\r\n");
  dir.WriteRows("Table.B-8", "5 1 1 1 1\r\n4 2 2 2 2\r\n16 3 3 3 3\r\n-7 4 4 4 4\r\n\r\n");
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
  dir.WriteRows("Table.B-3", Group(90, 1) + " " + Group(100, 11) + "\r\n" +
                                 "0 21 22 23\r\n24 25 26 27\r\n28 29 30\r\n" + Group(0, 31));
  LoadTables(dir.Base());
  for (int weight = 90; weight < 130; ++weight) EXPECT_EQ(TableB3.At(weight), weight - 89);
  EXPECT_EQ(TableB3.At(130), 0);
}

TEST_F(LoadTablesTest, MissingFileStopsLoadingAndKeepsTheTables) {
  dir.WriteRows("Table.B-1", "10 1 2 3 4\r\n");
  LoadTables(dir.Base());
  dir.WriteRows("Table.B-1", "10 5 6 7 8\r\n");
  std::filesystem::remove(dir.File("Table.B-8"));
  try {
    LoadTables(dir.Base());
    FAIL() << "no error";
  } catch (const TableLoadError& error) {
    EXPECT_STREQ(error.what(), "TABLES/Table.B-8: file not found");
  }
  EXPECT_EQ(TableB1.At(10), (Row{1, 2, 3, 4}));
}

TEST_F(LoadTablesTest, BadTokensNameTheFileAndTheToken) {
  const struct {
    const char* file;
    std::string rows;
    const char* message;
  } cases[] = {
      {"Table.B-3", "90 1 2 1O2 4\r\n", "TABLES/Table.B-3: bad number \"1O2\""},
      {"Table.B-5", "30 1 2 3 4\r\n31 1 2 3 4 x\r\n32 1e 2 3 4\r\n",
       "TABLES/Table.B-5: bad number \"1e\""},
      {"SCREEN.TBL", "+-70 1 2 3 4 5 6 7 8.5\r\n", "TABLES/SCREEN.TBL: bad number \"+-70\""},
      {"STANDARD.TBL", "1 20 99999999999\r\n", "TABLES/STANDARD.TBL: bad number \"99999999999\""},
  };
  for (const auto& c : cases) {
    TableDir fresh;
    fresh.WriteRows(c.file, c.rows);
    try {
      LoadTables(fresh.Base());
      ADD_FAILURE() << c.rows << ": no error";
    } catch (const TableLoadError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
