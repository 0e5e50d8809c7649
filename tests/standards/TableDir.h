#pragma once
// A temporary program directory whose TABLES/ holds the ten table files, each with its
// header lines and no rows until a test writes one.

#include <filesystem>
#include <string>

class TableDir {
 public:
  TableDir();
  ~TableDir();
  TableDir(const TableDir&) = delete;
  TableDir& operator=(const TableDir&) = delete;

  // Writes the file's bytes exactly as given.
  void Write(const std::string& name, const std::string& bytes) const;
  // Writes the standard header of the file (5 lines, 4 for STANDARD.TBL) and then rows.
  void WriteRows(const std::string& name, const std::string& rows) const;
  void Remove(const std::string& name) const;

  std::string Base() const { return base_.string(); }

 private:
  std::filesystem::path base_;
};

// n header lines ending in CR LF.
std::string HeaderLines(int n);
