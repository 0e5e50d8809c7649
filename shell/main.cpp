#include "shell/CommandLine.h"
#include "shell/PreviewAlone.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  // Help and version are answered before the application object exists, so they need no
  // display.
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  if (const CommandLineOptions early = ParseCommandLine(rawArguments);
      early.request == CommandLineOptions::Request::Help || early.request == CommandLineOptions::Request::Version)
    return AnswerOnConsole(early);

  QApplication app(argc, argv);
  // The application object has taken its own options (-platform, -style, ...) out.
  const CommandLineOptions options = ParseCommandLine(QCoreApplication::arguments());
  if (options.request != CommandLineOptions::Request::Run) return AnswerOnConsole(options);
  const StartupOptions startup{QCoreApplication::applicationDirPath()};
  if (!options.pageFile.isEmpty()) return RunPageFileProgram(app, startup, options.pageFile);
  return RunProgram(app, startup);
}
