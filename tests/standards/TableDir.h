#pragma once
// A temporary program directory whose TABLES/ holds every table file, each complete with
// zero rows until a test writes rows of its own.

#include <filesystem>
#include <string>

// n header lines ending in CR LF.
std::string HeaderLines(int n);

class TableDir {
 public:
  TableDir();
  ~TableDir() {
    std::error_code ignored;
    std::filesystem::remove_all(base_, ignored);
  }

  std::filesystem::path File(const std::string& name) const { return base_ / "TABLES" / name; }
  // The file as the loader's messages name it: the TABLES folder with its links resolved.
  std::string Shown(const std::string& name) const;
  // Writes the bytes exactly as given.
  void Write(const std::string& name, const std::string& bytes) const;
  // Writes the file's header lines (5, or 4 for STANDARD.TBL) followed by the rows.
  void WriteRows(const std::string& name, const std::string& rows) const;
  // Writes the header lines, a zero row for every key, then the rows, which replace the
  // zero rows of their keys: for the tables keyed by a row's first number (not
  // STANDARD.TBL or Table.B-3, which fill in order).
  void WriteOverZeros(const std::string& name, const std::string& rows) const;
  std::string Base() const { return base_.string(); }

 private:
  std::filesystem::path base_;
};
