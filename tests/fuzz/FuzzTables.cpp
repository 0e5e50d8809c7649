// Fuzz target: the table reader over every one of the table file formats. The first byte
// picks the format, the rest is the file's text. Any input must either load or be refused
// with TableLoadError; nothing may crash or touch memory outside a table.

#include "standards/Calculate.h"
#include "standards/TableParsers.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t index = data[0] % TableFileNames.size();
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  LoadedTables tables;
  try {
    ParseTableText(index, TableFileNames[index], text, tables);
  } catch (const TableLoadError&) {
    // A refused file is a correct outcome.
  }
  return 0;
}
