// Results cells of roster texts that a spreadsheet would run as formulas, with the blanks a
// reader may trim before them; the roster reader may keep such blanks or not.

#include "roster/ResultsTable.h"

#include <gtest/gtest.h>

namespace {

// The line of a refused row (no numbers) that carries these texts.
QByteArray RefusedLine(const QString& name, const QString& rank, const QString& sex, const QString& method) {
  SoldierRow row;
  row.name = name;
  row.rank = rank;
  row.sex = sex;
  row.method = method;
  row.refusal = RowRefusal{"sex", "Invalid input value."};
  return ResultsLine(2, row, {.method = true});
}

const QByteArray kRefusedCells = ",refused: Invalid input value.,,,,,,,,,,,,,,,,,,";

}  // namespace

TEST(ResultsTable, TextsThatWouldRunAsFormulasStayTextWhateverBlanksComeFirst) {
  EXPECT_EQ(RefusedLine("  =1+1", " +1", "\t@X", "\r-1"), "2,'  =1+1,' +1,'\t@X" + kRefusedCells + "\"'\r-1\"\r\n");
  EXPECT_EQ(RefusedLine("\u00a0=1", "\t", " ", "\n@"), "2,'\u00a0=1,'\t, " + kRefusedCells + "\"'\n@\"\r\n");
  // Signs and at-signs inside a text, and texts of blanks alone, are left as they are.
  EXPECT_EQ(RefusedLine("O'NEIL-SMITH", "2+3", "", "A@B"), "2,O'NEIL-SMITH,2+3," + kRefusedCells + "A@B\r\n");
}
