#include "records/StoreLocation.h"

#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString kHostParameter = QStringLiteral("host");

bool IsPostgreSqlScheme(const QString& scheme) {
  return scheme == QStringLiteral("postgresql") || scheme == QStringLiteral("postgres");
}

std::optional<StoreLocation> Refuse(QString* problem, const QString& why) {
  *problem = why;
  return std::nullopt;
}

std::optional<StoreLocation> ParsePostgreSqlUrl(const QUrl& url, QString* problem) {
  if (!url.password().isEmpty())
    return Refuse(problem, QStringLiteral("a database URL holds no password (anyone on this machine can read a "
                                          "command line): put it in ~/.pgpass, where PostgreSQL looks for it"));
  StoreLocation location{.kind = StoreLocation::Kind::PostgreSql};
  location.user = url.userName();
  location.host = url.host();
  location.port = url.port(-1);
  location.database = url.path().mid(1);
  if (!url.path().startsWith(u'/') || location.database.isEmpty() || location.database.contains(u'/'))
    return Refuse(problem, QStringLiteral("a database URL names its database: postgresql://user@host/dbname"));
  const QUrlQuery query(url);
  for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
    if (key != kHostParameter)
      return Refuse(problem, QStringLiteral("a database URL takes no parameter but host (a socket folder)"));
    location.host = value;
  }
  return location;
}

}  // namespace

QString StoreLocation::Description() const {
  if (kind == Kind::SqliteFile) return path;
  QUrl url;
  url.setScheme(QStringLiteral("postgresql"));
  url.setUserName(user);
  if (host.startsWith(u'/')) {
    url.setHost(QString());
    url.setQuery(QUrlQuery{{kHostParameter, host}});
  } else {
    url.setHost(host);
  }
  url.setPort(port);
  url.setPath(u'/' + database);
  return url.toString(QUrl::FullyEncoded);
}

std::optional<StoreLocation> ParseStoreLocation(const QString& text, QString* problem) {
  if (text.isEmpty()) return Refuse(problem, QStringLiteral("--database needs a file or a postgresql:// URL"));
  const qsizetype schemeEnd = text.indexOf(QStringLiteral("://"));
  if (schemeEnd < 0) return StoreLocation{.path = text};
  const QUrl url(text, QUrl::StrictMode);
  if (!url.isValid() || !IsPostgreSqlScheme(url.scheme()))
    return Refuse(problem, QStringLiteral("the database is a file or a postgresql://user@host/dbname URL"));
  return ParsePostgreSqlUrl(url, problem);
}

StoreLocation DefaultStoreLocation() {
  return {.path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/corvane32/assessments.sqlite")};
}
