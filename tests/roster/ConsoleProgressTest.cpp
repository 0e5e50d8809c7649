// Progress on the error stream: ten lines for a log, one bar redrawn on a terminal, nothing
// for a short roster.

#include "roster/ConsoleProgress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string ProgressOf(bool terminal, int total) {
  std::ostringstream out;
  {
    ConsoleProgress progress(out, terminal, QStringLiteral("unit.csv"), QStringLiteral("rows"), total);
    for (int done = 1; done <= total; ++done) progress.Show(done);
  }
  return out.str();
}

}  // namespace

TEST(ConsoleProgress, ALineAtEveryTenthForALogAndABarOnATerminal) {
  const std::string log = ProgressOf(false, 250);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 10);
  EXPECT_EQ(log.substr(0, log.find('\n')), "corvane32: unit.csv: 10% (25 of 250 rows)");
  EXPECT_TRUE(log.ends_with("corvane32: unit.csv: 100% (250 of 250 rows)\n"));

  const std::string bar = ProgressOf(true, 250);
  EXPECT_EQ(std::count(bar.begin(), bar.end(), '\n'), 1);  // the bar's own line, ended once
  EXPECT_EQ(std::count(bar.begin(), bar.end(), '\r'), 101);  // redrawn at each percent, 0 to 100
  EXPECT_TRUE(bar.ends_with("\rcorvane32: unit.csv [" + std::string(40, '#') + "] 100% of 250 rows\n"));

  EXPECT_EQ(ProgressOf(false, ConsoleProgress::kShownFrom - 1), "");
  EXPECT_EQ(ProgressOf(true, ConsoleProgress::kShownFrom - 1), "");
}
