#pragma once
// A table being filled from the rows of its file: the entries given so far, which keys of
// the table's range they cover, and the one check that the file gave every key, so no
// entry the computations look up is left at zero unseen. The refusals name the file and
// the key in the words of its table.

#include "standards/Tables.h"

#include <array>
#include <cstddef>
#include <string>

// What a table's keys count.
enum class KeyUnit { Inches, AgeBracket, Pounds, Sex, ExemptRow };

// The entry of one key: "row for 17 inches", "row for age bracket 3", "factor for 275
// pounds", "row for women", "row for the minimum points per event".
std::string DescribeKey(KeyUnit unit, long long key);
// The keys from first to last: "5 to 40", "brackets 1 to 4", "1 for men and 2 for women",
// "rows 1 to 4".
std::string DescribeKeyRange(KeyUnit unit, long long first, long long last);

// Throws TableLoadError "path: reason".
[[noreturn]] void RefuseTableFile(const std::string& path, const std::string& reason);

template <typename Table>
class TableFill {
 public:
  // path: the file as messages name it.
  TableFill(const std::string& path, KeyUnit unit) : path_(path), unit_(unit) {}

  // Gives key its entry, replacing one given before; a key outside the table is ignored.
  void Put(long long key, const typename Table::EntryType& entry) {
    if (!Table::HasKey(key)) return;
    table_.At(static_cast<int>(key)) = entry;
    given_[Slot(key)] = true;
  }

  // Refuses the entry of a row for key, starting on line, that lies outside the bounds its
  // table sets for the key (tables with a Bounds(key) giving the lowest and highest value).
  void CheckBounds(long long key, const typename Table::EntryType& entry, int line) const {
    if constexpr (requires { Table::Bounds(key); }) {
      if (!Table::HasKey(key)) return;
      const auto [low, high] = Table::Bounds(key);
      if (entry < low || entry > high) {
        RefuseTableFile(path_, "line " + std::to_string(line) + ": the " + DescribeKey(unit_, key) + " gives " +
                                   std::to_string(entry) + " (the table allows " + std::to_string(low) + " to " +
                                   std::to_string(high) + ")");
      }
    }
  }

  // Refuses a row for key, starting on line, that the end of the file cut short, unless
  // the key is outside the table and the row would be ignored anyway.
  void RefuseCutShort(long long key, int line) const {
    if (!Table::HasKey(key)) return;
    RefuseTableFile(path_, "line " + std::to_string(line) + ": the " + DescribeKey(unit_, key) +
                               " is cut short by the end of the file");
  }

  // The table, once the file has given every key of its range; otherwise refuses the file,
  // naming the first key it lacks.
  const Table& Complete() const {
    for (long long key = Table::FirstKey; key <= Table::LastKey; ++key) {
      if (!given_[Slot(key)]) {
        RefuseTableFile(path_, "no " + DescribeKey(unit_, key) + " (the table needs " +
                                   DescribeKeyRange(unit_, Table::FirstKey, Table::LastKey) + ")");
      }
    }
    return table_;
  }

 private:
  static std::size_t Slot(long long key) { return static_cast<std::size_t>(key - Table::FirstKey); }

  std::string path_;
  KeyUnit unit_;
  Table table_;
  std::array<bool, Table::LastKey - Table::FirstKey + 1> given_{};
};
