#pragma once
// The rosters the roster benchmarks read: soldiers that the shipped tables all accept, men
// and women in turn, each row a little different.

#include <QString>

// Writes a roster of `soldiers` rows to `path`; false when it cannot be written.
bool WriteBenchRoster(const QString& path, int soldiers);
