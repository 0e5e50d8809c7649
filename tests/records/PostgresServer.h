#pragma once
// A PostgreSQL server of the tests' own: a cluster made by initdb in a temporary folder,
// started by pg_ctl on a Unix socket in that folder and no TCP port, stopped and deleted
// when the object goes. Run as root (as CI runs), the server runs as the postgres user,
// which PostgreSQL requires.

#include "records/StoreLocation.h"

#include <QString>
#include <QTemporaryDir>

class PostgresServer {
 public:
  // Starts the server; throws std::runtime_error saying what failed.
  PostgresServer();
  // Stops the server it started (pg_ctl signals the postmaster whose PID its data folder
  // holds) and deletes the folder.
  ~PostgresServer();
  PostgresServer(const PostgresServer&) = delete;
  PostgresServer& operator=(const PostgresServer&) = delete;

  // The URL of a database of this server, as --database takes it.
  QString Url(const QString& database) const;
  // Makes a new, empty database and returns where it is.
  StoreLocation CreateDatabase(const QString& name);
  void DropDatabase(const QString& name);

 private:
  QString Run(const QString& program, const QStringList& arguments) const;
  void Administer(const QString& statement);

  QTemporaryDir folder_;
  QString binaries_;
  bool asPostgresUser_ = false;
  qint64 postmasterPid_ = 0;
};
