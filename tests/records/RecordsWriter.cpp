// Records assessments into a store from a process of its own, one transaction each, as the
// wizard and the roster do.
// Usage: records_writer DATABASE WRITER COUNT [shared]
//   Writer WRITER (1 to 9) records COUNT soldiers, SSANs of its own; with "shared" every
//   writer records the same soldiers, on the same date, which replace each other.

#include "records/AssessmentStore.h"
#include "records/StoreError.h"
#include "tests/records/SampleRecords.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 4) {
    std::cerr << "usage: records_writer DATABASE WRITER COUNT [shared]\n";
    return 2;
  }
  QString problem;
  const std::optional<StoreLocation> location = ParseStoreLocation(arguments[1], &problem);
  if (!location) {
    std::cerr << problem.toStdString() << "\n";
    return 2;
  }
  const int writer = arguments[2].toInt();
  const int count = arguments[3].toInt();
  const bool shared = arguments.size() > 4 && arguments[4] == "shared";
  try {
    AssessmentStore store(*location);
    for (int i = 0; i < count; ++i) {
      const int soldier = shared ? i : writer * 100000 + i;
      const QString ssan = QStringLiteral("%1").arg(soldier, 9, 10, QLatin1Char('0'));
      store.Record(MultiSiteMan(QStringLiteral("SOLDIER %1").arg(soldier), ssan, QDate(2026, 6, 1), 150 + writer, 20));
    }
  } catch (const StoreError& error) {
    std::cerr << error.Message().toStdString() << "\n";
    return 1;
  }
  return 0;
}
