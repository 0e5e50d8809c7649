// Fuzz target: the roster reader and the evaluation of its records. Each input is read as a
// roster; a usable one has every record taken through the wizard's rules on the shipped
// tables and written as a results line. A bad roster must be refused with RosterError;
// nothing may crash or hang, whatever the bytes.

#include "roster/ResultsTable.h"
#include "roster/RosterColumns.h"
#include "roster/RosterError.h"
#include "roster/RosterFile.h"
#include "roster/SoldierRow.h"
#include "standards/Calculate.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  LoadTables(CORVANE_SOURCE_DIR);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const RosterRecords records =
        ParseRoster(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (records.empty()) return 0;
    const RosterHeader header(records.front().values);
    for (std::size_t i = 1; i < records.size(); ++i)
      ResultsLine(records[i].line, EvaluateRow(header, records[i].values), header.Has("method"));
  } catch (const RosterError&) {
    // a refused roster is a correct outcome
  }
  return 0;
}
