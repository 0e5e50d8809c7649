#pragma once
// The program's command line. Without arguments the program runs its wizard; with one page
// file it shows that file in the print preview alone; --help and --version answer on the
// console. Anything else is a usage error.

#include <QString>
#include <QStringList>

struct CommandLineOptions {
  enum class Request { Run, Help, Version, UsageError };
  Request request = Request::Run;
  QString pageFile;  // Run: the page file to show in the preview alone; empty: the wizard
  QString text;      // Help, Version: the text to print; UsageError: what is wrong
};

// Exit status of a command line the program does not take.
constexpr int kUsageErrorStatus = 2;

// Reads the arguments, the program's own name first. A file is taken as a page file when
// its name ends in .tsr (in any case) or it begins with the page-file header.
CommandLineOptions ParseCommandLine(const QStringList& arguments);

// Prints the help or version text on standard output and returns 0, or the usage error on
// standard error and returns kUsageErrorStatus.
int AnswerOnConsole(const CommandLineOptions& options);
