#pragma once
// The stores the storage tests run against: an SQLite file in a temporary folder, and a
// database of the tests' own PostgreSQL server, started once for the whole test program.

#include "records/StoreLocation.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

enum class Backend { Sqlite, PostgreSql };

std::string BackendName(const ::testing::TestParamInfo<Backend>& info);

// A test of one backend: a fresh, empty store location for every test.
class StoreTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The test's store location, and the same as --database writes it.
  const StoreLocation& Location() const { return location_; }
  QString DatabaseArgument() const;

  QTemporaryDir folder_;

 private:
  StoreLocation location_;
  QString postgresDatabase_;
};

// Starts the PostgreSQL server before the first test and stops it after the last; a
// server that cannot be started fails the run.
void AddPostgresEnvironment();
