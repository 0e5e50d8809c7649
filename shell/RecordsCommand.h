#pragma once
// The records on the console: --history writes a soldier's assessments as CSV to standard
// output, --forget deletes them. No window, no display.

struct CommandLineOptions;

// Exit status when no soldier is recorded by the SSAN or name given, or the name is borne
// by more than one.
constexpr int kNoSuchSoldierStatus = 1;

// Opens the store that --database, the settings file's "database" or the default names
// (a store file that does not exist holds no soldier, and is not made) and answers the
// command. Returns 0, kNoSuchSoldierStatus, or kUsageErrorStatus when the store cannot be
// named or opened; messages on standard error never show an SSAN. Needs a
// QCoreApplication.
int RunRecordsCommand(const CommandLineOptions& options);
