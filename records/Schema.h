#pragma once
// The records' schema and its versions. The table schema_version holds the version a
// database has; each version is reached from the one before by its migration, and a
// database is brought up to the program's version when it is opened:
//
//   1  the assessments: identity, body, measurements, results, the tables' checksum
//   2  the fitness-test exemption, the supplemental result and the final verdict (the
//      version-1 verdict, the tape's, becomes the final one of every earlier record)

class StoreConnection;

inline constexpr int kSchemaVersion = 2;

// The version of the connection's database: 0 for one without the records' tables.
int SchemaVersion(StoreConnection& connection);

// Brings the database to `version`, every migration in one transaction that other
// instances wait for, so two instances opening a new database at once make it once.
// Throws StoreError, leaving the database as it was, when a migration fails or the
// database is of a later version than `version` (a newer program wrote it).
void MigrateSchema(StoreConnection& connection, int version = kSchemaVersion);
