#pragma once
// The program started with a roster: every soldier's worksheet and the results, written to
// files without a window, or shown in the print preview alone.

class QApplication;
struct CommandLineOptions;
struct StartupOptions;

// Exit status when some roster rows were refused (every other row was still done).
constexpr int kRowsRefusedStatus = 1;

// Loads the tables as at every start (a table that cannot be loaded ends the program with
// kTableErrorStatus; its box shows only when the preview would), runs the roster and, when
// no output file is asked for, shows the worksheets in the preview alone until it closes.
// Returns 0, kRowsRefusedStatus, or kUsageErrorStatus when the roster cannot be read or an
// output cannot be written.
int RunRosterProgram(QApplication& app, const StartupOptions& startup, const CommandLineOptions& options);
