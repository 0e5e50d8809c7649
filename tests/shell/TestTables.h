#pragma once
// Standards tables written by the tests, small enough to produce the cases the shipped
// tables cannot.

#include <QString>
#include <QTemporaryDir>

// Writes every table file into dir/TABLES, leaving out the file named `skip`.
void WriteTestTables(const QTemporaryDir& dir, const QString& skip = QString());

// The path a table error names the file `name` of dir/TABLES by: the folder with its
// links resolved.
QString ShownTablePath(const QTemporaryDir& dir, const QString& name);

// Copies the shipped tables beside the test program into dir/TABLES, except `skip`.
void CopyShippedTables(const QTemporaryDir& dir, const QString& skip);
