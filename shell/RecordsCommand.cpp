#include "shell/RecordsCommand.h"

#include "records/AssessmentStore.h"
#include "records/StoreError.h"
#include "shell/CommandLine.h"
#include "shell/HistoryCsv.h"
#include "shell/StoreChoice.h"

#include <QFileInfo>

#include <iostream>

namespace {

void Say(const QString& text) { std::cerr << "corvane32: " << text.toStdString() << std::endl; }

int NoSuchSoldier(const QString& store) {
  Say(QStringLiteral("%1: no soldier is recorded by that SSAN or name.").arg(store));
  return kNoSuchSoldierStatus;
}

int WriteHistory(AssessmentStore& store, const QString& soldier) {
  std::cout << HistoryCsv(store.History(soldier)).toStdString() << std::flush;
  return 0;
}

int Forget(AssessmentStore& store, const QString& soldier) {
  const int deleted = store.Forget(soldier);
  Say(QStringLiteral("%1: %2 %3 deleted.")
          .arg(store.Description())
          .arg(deleted)
          .arg(deleted == 1 ? QStringLiteral("record") : QStringLiteral("records")));
  return 0;
}

// Answers the command for the one soldier the SSAN or name names.
int ForOneSoldier(AssessmentStore& store, const CommandLineOptions& options) {
  const QStringList soldiers = store.FindSoldiers(options.history.isEmpty() ? options.forget : options.history);
  if (soldiers.isEmpty()) return NoSuchSoldier(store.Description());
  if (soldiers.size() > 1) {
    Say(QStringLiteral("%1: %2 soldiers are recorded by that name; give the SSAN.")
            .arg(store.Description())
            .arg(soldiers.size()));
    return kNoSuchSoldierStatus;
  }
  return options.history.isEmpty() ? Forget(store, soldiers.front()) : WriteHistory(store, soldiers.front());
}

}  // namespace

int RunRecordsCommand(const CommandLineOptions& options) {
  QString problem;
  const std::optional<StoreLocation> location = ChosenStoreLocation(options.database, &problem);
  if (!location) {
    Say(problem);
    return kUsageErrorStatus;
  }
  if (location->kind == StoreLocation::Kind::SqliteFile && !QFileInfo::exists(location->path))
    return NoSuchSoldier(location->Description());
  try {
    AssessmentStore store(*location);
    return ForOneSoldier(store, options);
  } catch (const StoreError& error) {
    Say(error.Message());
    return kUsageErrorStatus;
  }
}
