#pragma once
// Where the assessment records are kept: an SQLite file, or a PostgreSQL database that a
// unit shares, named as `postgresql://user@host[:port]/dbname` (also `postgres://`; a
// Unix socket's folder as `?host=/run/postgresql`).

#include <QString>

#include <optional>

struct StoreLocation {
  enum class Kind { SqliteFile, PostgreSql };
  Kind kind = Kind::SqliteFile;
  QString path{};  // SqliteFile: the file

  // PostgreSql. An empty host or user leaves it to libpq's defaults (the local socket, the
  // login name); a host that starts with / is the folder of the server's Unix socket.
  QString user{};
  QString host{};
  int port = -1;  // -1: the default
  QString database{};

  // How messages name the store: the file's path, or the URL.
  QString Description() const;
};

// Reads `--database PATH|URL`. A URL names its database, and may name a user, a host, a
// port and the `host` parameter alone; a password in it is refused, as anyone on the
// machine can read a command line: libpq takes it from ~/.pgpass. Anything else with a
// scheme is refused; the rest is a file path. The refusal says why.
std::optional<StoreLocation> ParseStoreLocation(const QString& text, QString* problem);

// The embedded default: $XDG_DATA_HOME/corvane32/assessments.sqlite, by default
// ~/.local/share/corvane32/assessments.sqlite.
StoreLocation DefaultStoreLocation();
