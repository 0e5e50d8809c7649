#pragma once
// A temporary program directory whose TABLES/ holds every table file, each with only
// its header lines until a test writes rows.

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
  // Writes the bytes exactly as given.
  void Write(const std::string& name, const std::string& bytes) const;
  // Writes the file's header lines (5, or 4 for STANDARD.TBL) followed by the rows.
  void WriteRows(const std::string& name, const std::string& rows) const;
  std::string Base() const { return base_.string(); }

 private:
  std::filesystem::path base_;
};
