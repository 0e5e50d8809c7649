#pragma once
// Which store of assessment records the program uses: the one --database names, else the
// settings file's "database", else the default file.

#include "records/StoreLocation.h"

#include <QString>

#include <optional>

// The store for the --database value given (empty: none was given). Nothing when the name
// cannot be read, with the reason in `problem`.
std::optional<StoreLocation> ChosenStoreLocation(const QString& databaseOption, QString* problem);
