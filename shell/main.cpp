#include "shell/CommandLine.h"
#include "shell/PreviewAlone.h"
#include "shell/RosterProgram.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  // Help, version and the roster template are answered before the application object
  // exists, so they need no display.
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineOptions early = ParseCommandLine(rawArguments);
  if (early.request == CommandLineOptions::Request::Help || early.request == CommandLineOptions::Request::Version ||
      early.request == CommandLineOptions::Request::RosterTemplate)
    return AnswerOnConsole(early);
  // Without a display no window can open, whatever Qt options the line may hold: a usage
  // error is answered as it stands.
  if (early.request == CommandLineOptions::Request::UsageError && !PlatformNamed(rawArguments) &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return AnswerOnConsole(early);
  // A roster written to files shows no window: it runs without a display unless a platform
  // is named.
  if (early.WritesFilesOnly() && !PlatformNamed(rawArguments)) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  // The application object has taken its own options (-platform, -style, ...) out.
  const CommandLineOptions options = ParseCommandLine(QCoreApplication::arguments());
  if (options.request != CommandLineOptions::Request::Run) return AnswerOnConsole(options);
  StartupOptions startup{QCoreApplication::applicationDirPath()};
  if (!options.roster.isEmpty()) {
    startup.errorBox = !options.WritesFilesOnly();
    return RunRosterProgram(app, startup, options);
  }
  if (!options.pageFile.isEmpty()) return RunPageFileProgram(app, startup, options.pageFile);
  return RunProgram(app, startup);
}
