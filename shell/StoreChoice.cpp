#include "shell/StoreChoice.h"

#include "shell/SettingsFile.h"

std::optional<StoreLocation> ChosenStoreLocation(const QString& databaseOption, QString* problem) {
  const QString named = databaseOption.isEmpty() ? SettingsValue(QStringLiteral("database")) : databaseOption;
  if (named.isEmpty()) return DefaultStoreLocation();
  return ParseStoreLocation(named, problem);
}
