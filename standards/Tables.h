#pragma once
// The standards tables: fixed size, zero at start, filled once by LoadTables and only read
// afterwards. Every table is indexed by an inclusive range of keys, and its file must give
// an entry for each of them.

#include "standards/FitnessTest.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>

// A table with one Entry per key from First to Last inclusive.
template <typename Entry, int First, int Last>
class KeyedTable {
 public:
  using EntryType = Entry;
  static constexpr int FirstKey = First;
  static constexpr int LastKey = Last;

  static constexpr bool HasKey(long long key) { return key >= First && key <= Last; }

  const Entry& At(int key) const { return entries_.at(Slot(key)); }
  Entry& At(int key) { return entries_.at(Slot(key)); }

  bool operator==(const KeyedTable&) const = default;

 private:
  static std::size_t Slot(int key) {
    if (!HasKey(key)) throw std::out_of_range("table key outside its range");
    return static_cast<std::size_t>(key - First);
  }

  std::array<Entry, Last - First + 1> entries_{};
};

// The four values of a whole inch n: for n, n.25, n.50 and n.75 (columns 0 to 3).
using QuarterRow = std::array<double, 4>;

template <int First, int Last>
using QuarterTable = KeyedTable<QuarterRow, First, Last>;

// Maximum weights in pounds for one height: men in age brackets 1 to 4, then women in
// brackets 1 to 4 (screening columns 1 to 8 at positions 0 to 7).
using ScreenRow = std::array<int32_t, 8>;

// Maximum body-fat percentages of one age bracket.
struct StandardEntry {
  int32_t Men = 0;
  int32_t Women = 0;
  bool operator==(const StandardEntry&) const = default;
};

// The one-site tape equation of one sex: body fat in percent = Intercept + PerPound x
// weight in pounds + PerInch x abdomen in inches. The coefficients are kept exactly, as
// whole ten-thousandths (-26.97 is -269700), and are below 10^8 in magnitude (at most 12
// digits), which keeps the equation's terms well inside 64 bits.
struct OneSiteEquation {
  static constexpr int kDecimals = 4;
  static constexpr int64_t kScale = 10000;
  static constexpr std::size_t kMaxDigits = 12;
  int64_t Intercept = 0;
  int64_t PerPound = 0;
  int64_t PerInch = 0;
  bool operator==(const OneSiteEquation&) const = default;
};

// The rows of the table of the exemption from the body fat standard by the fitness test.
enum class ExemptRow {
  MinimumTotal = 1,     // points the five events must reach together
  MinimumPerEvent = 2,  // points each event must reach
  MonthsActive = 3,     // calendar months a test stays valid: Regular Army and AGR
  MonthsReserve = 4,    // the same for the Army National Guard and Army Reserve
};

// One whole number per row of ExemptRow. Bounds gives the values a row may hold: points a
// test can score, and validities of at most ten years, beyond any the policy would set,
// which keep the last valid date well inside the calendar.
class TExemptTable : public KeyedTable<int32_t, 1, 4> {
 public:
  static constexpr int32_t kMaxMonths = 120;

  static constexpr std::pair<int32_t, int32_t> Bounds(long long key) {
    switch (static_cast<ExemptRow>(key)) {
      case ExemptRow::MinimumTotal: return {0, kMaxTotalPoints};
      case ExemptRow::MinimumPerEvent: return {0, kMaxEventPoints};
      case ExemptRow::MonthsActive:
      case ExemptRow::MonthsReserve: break;
    }
    return {0, kMaxMonths};
  }

  int32_t Row(ExemptRow row) const { return At(static_cast<int>(row)); }

  bool operator==(const TExemptTable&) const = default;
};

using TScreenTable = KeyedTable<ScreenRow, 58, 80>;        // height in whole inches
using TStandardTable = KeyedTable<StandardEntry, 1, 4>;    // age bracket
using TTableB1 = QuarterTable<5, 40>;                      // abdomen minus neck
using TTableB2 = QuarterTable<60, 84>;                     // male height
using TTableB3 = KeyedTable<double, 90, 279>;              // female weight in pounds
using TTableB4 = QuarterTable<55, 84>;                     // female height
using TTableB5 = QuarterTable<30, 53>;                     // hips
using TTableB6 = QuarterTable<5, 15>;                      // forearm
using TTableB7 = QuarterTable<5, 15>;                      // female neck
using TTableB8 = QuarterTable<5, 15>;                      // wrist
using TOneSiteTable = KeyedTable<OneSiteEquation, 1, 2>;   // 1 men, 2 women

extern TScreenTable ScreenTable;
extern TStandardTable StandardTable;
extern TTableB1 TableB1;
extern TTableB2 TableB2;
extern TTableB3 TableB3;
extern TTableB4 TableB4;
extern TTableB5 TableB5;
extern TTableB6 TableB6;
extern TTableB7 TableB7;
extern TTableB8 TableB8;
extern TOneSiteTable OneSiteTable;
extern TExemptTable ExemptTable;
