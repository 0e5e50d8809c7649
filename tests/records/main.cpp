// The records' tests need an application object for Qt SQL's drivers.

#include "tests/records/StoreBackends.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  AddPostgresEnvironment();
  return RUN_ALL_TESTS();
}
