#include "tests/standards/TableDir.h"

#include "standards/TableParsers.h"
#include "tests/standards/ZeroRows.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

std::string HeaderLines(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "header 12 x\r\n";
  return text;
}

TableDir::TableDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "standards-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  base_ = pattern;
  std::filesystem::create_directory(base_ / "TABLES");
  for (const char* name : TableFileNames) WriteRows(name, ZeroRowsOf(name));
}

std::string TableDir::Shown(const std::string& name) const {
  return (std::filesystem::canonical(base_ / "TABLES") / name).string();
}

void TableDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(File(name), std::ios::binary) << bytes;
}

void TableDir::WriteRows(const std::string& name, const std::string& rows) const {
  Write(name, HeaderLines(name == "STANDARD.TBL" ? 4 : 5) + rows);
}

void TableDir::WriteOverZeros(const std::string& name, const std::string& rows) const {
  WriteRows(name, ZeroRowsOf(name) + rows);
}
