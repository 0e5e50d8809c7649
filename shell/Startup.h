#pragma once
// The program's start: tables, windows with the splash, the event loop.

#include "shell/TickSource.h"

#include <QString>

class QApplication;
class QGuiApplication;

struct StartupOptions {
  QString baseDir;                 // the program's directory; the tables are in its TABLES/
  TickSource ticks = SteadyTicks;  // the millisecond counter the splash times itself by
  bool errorBox = true;            // false when no window is shown: errors go to standard error only
  QString database{};              // the records' store as --database names it; empty: the settings' or the default
};

// Exit status of a start-up that could not load its tables.
constexpr int kTableErrorStatus = 217;

// Loads the tables and sets up what every window of the program relies on: the application
// title, the window icon, the font substitution. Returns false when a table cannot be
// loaded, after its line on standard error and its error box (unless the options have no
// box); the program then ends with kTableErrorStatus. Creates no window: a program that
// opens none runs on a QGuiApplication.
bool PrepareProgram(QGuiApplication& app, const StartupOptions& options);

// Loads the tables, creates every window behind the splash and runs the event loop until
// the main window closes. Returns the program's exit status: 0, or 217 when a table
// cannot be loaded (after its error box; no other window opens then).
int RunProgram(QApplication& app, const StartupOptions& options);
