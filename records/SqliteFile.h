#pragma once
// The SQLite file of the records, made owner-only before SQLite opens it. SQLite gives the
// files it makes beside a database (its -wal and -shm) the database file's own mode.

#include <QString>

// Makes the file's folder, each missing level readable by its owner alone (0700), and the
// file itself (0600) when it does not exist; an existing file keeps its mode. Throws
// StoreError when one cannot be made, or when the name is a folder, a device or a pipe
// rather than a file.
void PrepareSqliteFile(const QString& path);
