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

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <optional>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  LoadTables(CORVANE_SOURCE_DIR);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer roster(&bytes);
  roster.open(QIODevice::ReadOnly);
  std::optional<RosterHeader> header;
  try {
    ReadRoster(roster, [&header](const RosterRecord& record) {
      if (!header)
        header.emplace(record.values);
      else
        ResultsLine(record.line, EvaluateRow(*header, record.values), ResultsShapeOf(*header));
    });
  } catch (const RosterError&) {
    // a refused roster is a correct outcome
  }
  return 0;
}
