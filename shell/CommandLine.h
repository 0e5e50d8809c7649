#pragma once
// The program's command line. Without arguments the program runs its wizard; with one page
// file it shows that file in the print preview alone; with a roster it makes every
// soldier's worksheet and a results table, written to files or shown in the preview;
// --help, --version and --roster-template answer on the console; --history and --forget
// read or delete a soldier's assessment records. Anything else is a usage error.

#include <QString>
#include <QStringList>

struct CommandLineOptions {
  enum class Request { Run, Help, Version, RosterTemplate, UsageError };
  Request request = Request::Run;
  QString pageFile{};  // Run: the page file to show in the preview alone; empty: the wizard
  QString text{};      // Help, Version, RosterTemplate: the text to print; UsageError: what is wrong
  // Run with a roster: its file, and the outputs asked for (neither: the preview).
  QString roster{};
  QString pdf{};
  QString results{};
  // The assessment records: the store (--database, else the settings' or the default), and
  // the SSAN or name of the soldier whose history to write or whose records to delete.
  QString database{};
  QString history{};
  QString forget{};
  // Run with a roster: every accepted soldier's assessment is recorded in the store.
  bool record = false;

  // The run writes its outputs and shows no window.
  bool WritesFilesOnly() const { return !roster.isEmpty() && (!pdf.isEmpty() || !results.isEmpty()); }
  // The run reads or deletes records on the console and shows no window.
  bool RecordsCommand() const { return !history.isEmpty() || !forget.isEmpty(); }
};

// Exit status of a command line the program does not take.
constexpr int kUsageErrorStatus = 2;

// Whether the arguments, or the QT_QPA_PLATFORM variable, name the platform to run on.
bool PlatformNamed(const QStringList& arguments);

// Whether the arguments ask for a roster written to files (--roster with --pdf or --results),
// read before the application object has taken its own options (-platform, ...) out, which
// are passed over. Says nothing of whether the line is valid.
bool AsksForFilesOnly(const QStringList& arguments);

// The arguments without the widget application's own options (-style, -stylesheet, each
// with its value, and -widgetcount), which a run without windows accepts and leaves alone,
// as the GUI application takes only its own out.
QStringList WithoutWidgetOptions(const QStringList& arguments);

// Reads the arguments, the program's own name first. A file is taken as a page file when
// its name ends in .tsr (in any case) or it begins with the page-file header.
CommandLineOptions ParseCommandLine(const QStringList& arguments);

// Prints the help or version text or the roster template on standard output and returns
// 0, or the usage error on standard error and returns kUsageErrorStatus.
int AnswerOnConsole(const CommandLineOptions& options);
