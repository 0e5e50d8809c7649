#include "standards/TableStream.h"

#include <gtest/gtest.h>

namespace {

TEST(TableStream, CrLfBareCrAndBareLfEachEndOneLine) {
  // Lines: 1 "h", 2 "1", 3 "2", 4 "3", 5 empty (LF then CR are two line ends), 6 "4 5".
  TableStream stream("h\r\n1\r2\n3\n\r4 5\x1A 6");
  stream.SkipLine();
  EXPECT_EQ(stream.Line(), 2);
  EXPECT_EQ(stream.ReadInteger(), 1);
  stream.SkipLine();
  EXPECT_EQ(stream.ReadInteger(), 2);
  EXPECT_EQ(stream.Line(), 3);
  stream.SkipLine();
  EXPECT_EQ(stream.ReadInteger(), 3);
  EXPECT_EQ(stream.Line(), 4);
  stream.SkipLine();
  EXPECT_EQ(stream.ReadInteger(), 4);
  EXPECT_EQ(stream.Line(), 6);
  EXPECT_EQ(stream.ReadInteger(), 5);
  EXPECT_FALSE(stream.RanOut());
  EXPECT_EQ(stream.ReadInteger(), 0);  // Ctrl-Z ends the file
  EXPECT_TRUE(stream.RanOut());
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_FALSE(stream.Failed());
}

TEST(TableStream, AFailedReadKeepsTheLineOfItsToken) {
  TableStream stream("1\n\n  2\r\n\t3x 4\n");
  EXPECT_EQ(stream.ReadInteger(), 1);
  EXPECT_EQ(stream.ReadReal(), 2);
  EXPECT_EQ(stream.ReadInteger(), 0);
  EXPECT_TRUE(stream.Failed());
  EXPECT_EQ(stream.BadToken(), "3x");
  EXPECT_EQ(stream.Line(), 4);
  stream.SkipLine();
  EXPECT_EQ(stream.ReadInteger(), 0);  // consumes nothing once failed
  EXPECT_EQ(stream.Line(), 4);
  EXPECT_FALSE(stream.RanOut());
}

}  // namespace
