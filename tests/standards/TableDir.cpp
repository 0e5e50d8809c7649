#include "tests/standards/TableDir.h"

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
  for (const char* name : {"SCREEN.TBL", "STANDARD.TBL", "Table.B-1", "Table.B-2", "Table.B-3",
                           "Table.B-4", "Table.B-5", "Table.B-6", "Table.B-7", "Table.B-8"}) {
    WriteRows(name, "");
  }
}

void TableDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(File(name), std::ios::binary) << bytes;
}

void TableDir::WriteRows(const std::string& name, const std::string& rows) const {
  Write(name, HeaderLines(name == "STANDARD.TBL" ? 4 : 5) + rows);
}
