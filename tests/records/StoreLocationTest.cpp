// Reading --database: a file, or a PostgreSQL URL, with the refusals.

#include "records/StoreLocation.h"

#include <gtest/gtest.h>

namespace {

StoreLocation Parsed(const QString& text) {
  QString problem;
  const std::optional<StoreLocation> location = ParseStoreLocation(text, &problem);
  EXPECT_TRUE(location) << problem.toStdString();
  return location.value_or(StoreLocation{});
}

QString Refusal(const QString& text) {
  QString problem;
  EXPECT_FALSE(ParseStoreLocation(text, &problem)) << text.toStdString();
  return problem;
}

TEST(StoreLocation, APathIsAnSqliteFile) {
  const StoreLocation location = Parsed(QStringLiteral("records/unit.sqlite"));
  EXPECT_EQ(location.kind, StoreLocation::Kind::SqliteFile);
  EXPECT_EQ(location.path, "records/unit.sqlite");
  EXPECT_EQ(location.Description(), "records/unit.sqlite");
}

TEST(StoreLocation, APostgreSqlUrlNamesUserHostPortAndDatabase) {
  const StoreLocation location = Parsed(QStringLiteral("postgresql://clerk@db.unit.example:5433/weighin"));
  EXPECT_EQ(location.kind, StoreLocation::Kind::PostgreSql);
  EXPECT_EQ(location.user, "clerk");
  EXPECT_EQ(location.host, "db.unit.example");
  EXPECT_EQ(location.port, 5433);
  EXPECT_EQ(location.database, "weighin");
  EXPECT_EQ(location.Description(), "postgresql://clerk@db.unit.example:5433/weighin");
  // postgres:// as libpq takes it; no user, host or port: libpq's defaults.
  const StoreLocation bare = Parsed(QStringLiteral("postgres:///weighin"));
  EXPECT_EQ(bare.user, QString());
  EXPECT_EQ(bare.host, QString());
  EXPECT_EQ(bare.port, -1);
  EXPECT_EQ(bare.database, "weighin");
}

TEST(StoreLocation, TheHostParameterNamesASocketFolder) {
  const StoreLocation location = Parsed(QStringLiteral("postgresql://postgres@/records?host=/tmp/pg%20sock"));
  EXPECT_EQ(location.host, "/tmp/pg sock");
  EXPECT_EQ(location.user, "postgres");
  EXPECT_EQ(location.database, "records");
  EXPECT_EQ(Parsed(location.Description()).host, "/tmp/pg sock");
}

TEST(StoreLocation, RefusalsSayWhy) {
  EXPECT_TRUE(Refusal(QStringLiteral("postgresql://clerk:secret@db/weighin")).contains(QStringLiteral("~/.pgpass")));
  EXPECT_FALSE(Refusal(QStringLiteral("postgresql://clerk:secret@db/weighin")).contains(QStringLiteral("secret")));
  EXPECT_TRUE(Refusal(QStringLiteral("postgresql://db")).contains(QStringLiteral("names its database")));
  EXPECT_TRUE(Refusal(QStringLiteral("postgresql://db/a/b")).contains(QStringLiteral("names its database")));
  EXPECT_TRUE(Refusal(QStringLiteral("postgresql://db/a?sslmode=off")).contains(QStringLiteral("no parameter")));
  EXPECT_TRUE(Refusal(QStringLiteral("mysql://db/a")).contains(QStringLiteral("postgresql://")));
  EXPECT_FALSE(Refusal(QString()).isEmpty());
}

TEST(StoreLocation, TheDefaultIsInTheUsersDataFolder) {
  qputenv("XDG_DATA_HOME", "/home/clerk/.data");
  EXPECT_EQ(DefaultStoreLocation().path, "/home/clerk/.data/corvane32/assessments.sqlite");
  EXPECT_EQ(DefaultStoreLocation().kind, StoreLocation::Kind::SqliteFile);
}

}  // namespace
