#include "tests/records/StoreBackends.h"

#include "tests/records/PostgresServer.h"

#include <memory>

namespace {

class PostgresEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    try {
      server = std::make_unique<PostgresServer>();
    } catch (const std::runtime_error& error) {
      FAIL() << "the PostgreSQL server for the tests could not be started: " << error.what();
    }
  }
  void TearDown() override { server.reset(); }

  std::unique_ptr<PostgresServer> server;
  int databases = 0;
};

PostgresEnvironment* environment = nullptr;

}  // namespace

std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
  return info.param == Backend::Sqlite ? "SQLite" : "PostgreSQL";
}

void StoreTest::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  if (GetParam() == Backend::Sqlite) {
    location_ = StoreLocation{.path = folder_.filePath(QStringLiteral("assessments.sqlite"))};
    return;
  }
  ASSERT_TRUE(environment && environment->server) << "no PostgreSQL server";
  postgresDatabase_ = QStringLiteral("records_%1").arg(++environment->databases);
  location_ = environment->server->CreateDatabase(postgresDatabase_);
}

void StoreTest::TearDown() {
  if (!postgresDatabase_.isEmpty()) environment->server->DropDatabase(postgresDatabase_);
}

QString StoreTest::DatabaseArgument() const {
  return GetParam() == Backend::Sqlite ? location_.path : environment->server->Url(postgresDatabase_);
}

void AddPostgresEnvironment() {
  environment = new PostgresEnvironment;
  ::testing::AddGlobalTestEnvironment(environment);  // gtest owns it
}
