#pragma once
// The print preview as the program's only window: the program ends when it closes.

class QApplication;
class QString;
class TTsPrinter;
struct StartupOptions;

// Shows the device's pages in the print preview and runs the event loop until the window
// has closed. Returns the exit status, 0.
int RunPreviewAlone(QApplication& app, TTsPrinter& device);

// Exit status when the page file named on the command line is refused.
constexpr int kPageFileRefusedStatus = 1;

// Loads the tables as at every start, then shows the page file in the preview alone. A file
// the loader refuses shows the reason in a message box, and on standard error, and ends the
// program with kPageFileRefusedStatus; a table that cannot be loaded ends it as at start-up.
int RunPageFileProgram(QApplication& app, const StartupOptions& options, const QString& fileName);
