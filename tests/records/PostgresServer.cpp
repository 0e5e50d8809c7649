#include "tests/records/PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVersionNumber>

#include <stdexcept>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {

const QString kSuperuser = QStringLiteral("postgres");

// The folder of initdb and pg_ctl: on the PATH, or Debian's newest
// /usr/lib/postgresql/VERSION/bin.
QString ServerBinaries() {
  const QString onPath = QStandardPaths::findExecutable(QStringLiteral("initdb"));
  if (!onPath.isEmpty()) return QFileInfo(onPath).path();
  QVersionNumber newest;
  QString found;
  const QDir versions(QStringLiteral("/usr/lib/postgresql"));
  for (const QString& version : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString bin = versions.filePath(version + QStringLiteral("/bin"));
    if (QFile::exists(bin + QStringLiteral("/initdb")) && QVersionNumber::fromString(version) > newest) {
      newest = QVersionNumber::fromString(version);
      found = bin;
    }
  }
  if (found.isEmpty())
    throw std::runtime_error("PostgreSQL's initdb is not installed (Debian package postgresql)");
  return found;
}

}  // namespace

PostgresServer::PostgresServer()
    : folder_(QDir::tempPath() + QStringLiteral("/records-pg-XXXXXX")),
      binaries_(ServerBinaries()),
      asPostgresUser_(::geteuid() == 0) {
  if (!folder_.isValid()) throw std::runtime_error("no temporary folder for the PostgreSQL server");
  if (asPostgresUser_) {
    const passwd* user = ::getpwnam(kSuperuser.toLatin1().constData());
    if (!user) throw std::runtime_error("run as root, the tests need the postgres user (Debian package postgresql)");
    if (::chown(QFile::encodeName(folder_.path()).constData(), user->pw_uid, user->pw_gid) != 0)
      throw std::runtime_error("cannot give the temporary folder to the postgres user");
  }
  const QString data = folder_.filePath(QStringLiteral("data"));
  Run(binaries_ + QStringLiteral("/initdb"),
      {"-D", data, "-U", kSuperuser, "-A", "trust", "-E", "UTF8", "--locale=C", "--no-sync"});
  // No TCP port: only the socket in the private folder, which no other server uses.
  Run(binaries_ + QStringLiteral("/pg_ctl"),
      {"start", "-w", "-D", data, "-l", folder_.filePath(QStringLiteral("server.log")), "-o",
       QStringLiteral("-k %1 -c listen_addresses='' -c fsync=off").arg(folder_.path())});
  QFile pidFile(data + QStringLiteral("/postmaster.pid"));
  if (pidFile.open(QIODevice::ReadOnly)) postmasterPid_ = pidFile.readLine().trimmed().toLongLong();
  if (postmasterPid_ <= 0) throw std::runtime_error("the PostgreSQL server left no postmaster.pid");
}

PostgresServer::~PostgresServer() {
  try {
    Run(binaries_ + QStringLiteral("/pg_ctl"),
        {"stop", "-w", "-m", "fast", "-D", folder_.filePath(QStringLiteral("data"))});
  } catch (const std::runtime_error&) {
    // pg_ctl could not stop it: end the postmaster this object started.
    ::kill(static_cast<pid_t>(postmasterPid_), SIGKILL);
  }
}

QString PostgresServer::Run(const QString& program, const QStringList& arguments) const {
  QProcess process;
  process.setWorkingDirectory(folder_.path());
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (asPostgresUser_) {
    process.start(QStringLiteral("runuser"), QStringList{"-u", kSuperuser, "--", program} + arguments);
  } else {
    process.start(program, arguments);
  }
  // The server that pg_ctl starts keeps no descriptor of this process: its output goes to
  // the log, so the wait ends with pg_ctl.
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    const QString output = QString::fromLocal8Bit(process.readAll());
    throw std::runtime_error(QStringLiteral("%1 failed: %2").arg(QFileInfo(program).fileName(), output).toStdString());
  }
  return QString::fromLocal8Bit(process.readAll());
}

QString PostgresServer::Url(const QString& database) const {
  return QStringLiteral("postgresql://%1@/%2?host=%3").arg(kSuperuser, database, folder_.path());
}

void PostgresServer::Administer(const QString& statement) {
  const QString name = QStringLiteral("records_tests_administration");
  {
    QSqlDatabase administration = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    administration.setHostName(folder_.path());
    administration.setUserName(kSuperuser);
    administration.setDatabaseName(kSuperuser);
    if (!administration.open())
      throw std::runtime_error(("cannot connect to the test server: " + administration.lastError().text()).toStdString());
    QSqlQuery query(administration);
    if (!query.exec(statement))
      throw std::runtime_error((statement + QStringLiteral(": ") + query.lastError().text()).toStdString());
  }
  QSqlDatabase::removeDatabase(name);
}

StoreLocation PostgresServer::CreateDatabase(const QString& name) {
  Administer(QStringLiteral("CREATE DATABASE %1").arg(name));
  return StoreLocation{.kind = StoreLocation::Kind::PostgreSql, .user = kSuperuser, .host = folder_.path(),
                       .database = name};
}

void PostgresServer::DropDatabase(const QString& name) { Administer(QStringLiteral("DROP DATABASE %1").arg(name)); }
