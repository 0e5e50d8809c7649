#pragma once
// The program started with a roster: every soldier's worksheet and the results, written to
// files without a window, or shown in the print preview alone.

class QApplication;
class QGuiApplication;
struct CommandLineOptions;
struct StartupOptions;

// Exit status when some roster rows were refused (every other row was still done).
constexpr int kRowsRefusedStatus = 1;

// A roster with --pdf or --results: loads the tables as at every start (a table that
// cannot be loaded ends the program with kTableErrorStatus, its line on standard error
// alone) and writes the outputs, the worksheets drawn straight into the PDF. Creates no
// window, so it runs on a QGuiApplication. Returns 0, kRowsRefusedStatus, or
// kUsageErrorStatus when the roster cannot be read or an output cannot be written.
int RunRosterToFiles(QGuiApplication& app, const StartupOptions& startup, const CommandLineOptions& options);

// A roster with neither output: as above, the worksheets kept in the page store, then shown
// in the preview alone until it closes (a table that cannot be loaded shows its box too).
int RunRosterPreview(QApplication& app, const StartupOptions& startup, const CommandLineOptions& options);
