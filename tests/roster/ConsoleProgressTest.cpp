// Progress on the error stream: ten lines for a log, one bar redrawn on a terminal, nothing
// for a short step; by items or by the bytes of a file read.

#include "roster/ConsoleProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::string ProgressOf(bool terminal, int total) {
  std::ostringstream out;
  {
    ConsoleProgress progress(out, terminal, "unit.pdf", "pages", total);
    for (int done = 1; done <= total; ++done) progress.Show(done);
  }
  return out.str();
}

// A file read in chunks of 64 KiB, the last one short.
std::string ProgressOfBytes(bool terminal, qint64 size) {
  std::ostringstream out;
  {
    ConsoleProgress progress = ConsoleProgress::OfBytes(out, terminal, "unit.csv", size);
    for (qint64 read = 0; read < size;) progress.Show(read = std::min(size, read + 65536));
  }
  return out.str();
}

}  // namespace

TEST(ConsoleProgress, ALineAtEveryTenthForALogAndABarOnATerminal) {
  const std::string log = ProgressOf(false, 250);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 10);
  EXPECT_EQ(log.substr(0, log.find('\n')), "corvane32: unit.pdf: 10% (25 of 250 pages)");
  EXPECT_TRUE(log.ends_with("corvane32: unit.pdf: 100% (250 of 250 pages)\n"));

  const std::string bar = ProgressOf(true, 250);
  EXPECT_EQ(std::count(bar.begin(), bar.end(), '\n'), 1);  // the bar's own line, ended once
  EXPECT_EQ(std::count(bar.begin(), bar.end(), '\r'), 101);  // redrawn at each percent, 0 to 100
  EXPECT_TRUE(bar.ends_with("\rcorvane32: unit.pdf [" + std::string(40, '#') + "] 100% of 250 pages\n"));

  EXPECT_EQ(ProgressOf(false, ConsoleProgress::kShownFrom - 1), "");
  EXPECT_EQ(ProgressOf(true, ConsoleProgress::kShownFrom - 1), "");
}

TEST(ConsoleProgress, AFileReadShowsItsBytes) {
  const std::string log = ProgressOfBytes(false, 117'174'753);  // a million soldiers
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 10);
  EXPECT_EQ(log.substr(0, log.find('\n')), "corvane32: unit.csv: 10% (11.7 MB of 117.2 MB)");
  EXPECT_TRUE(log.ends_with("corvane32: unit.csv: 100% (117.2 MB of 117.2 MB)\n"));
  const std::string bar = ProgressOfBytes(true, 117'174'753);
  EXPECT_EQ(std::count(bar.begin(), bar.end(), '\r'), 101);
  EXPECT_TRUE(bar.ends_with("] 100% of 117.2 MB\n"));

  EXPECT_EQ(ProgressOfBytes(false, ConsoleProgress::kShownFromBytes - 1), "");
  EXPECT_EQ(ProgressOfBytes(true, ConsoleProgress::kShownFromBytes - 1), "");
}
