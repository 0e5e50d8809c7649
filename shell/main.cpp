#include "report/device/TemporaryFiles.h"
#include "shell/CommandLine.h"
#include "shell/PreviewAlone.h"
#include "shell/RecordsCommand.h"
#include "shell/RosterProgram.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

// A roster written to files shows no window: it runs on the GUI application alone, without
// a display unless a platform is named, and an interrupt leaves none of its files half
// written.
int RunWithoutWindows(int& argc, char* argv[], const QStringList& rawArguments) {
  RemoveTemporaryFilesOnInterrupt();
  if (!PlatformNamed(rawArguments)) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // The application object has taken its own options (-platform, ...) out; those of the
  // widgets are left to no one.
  const CommandLineOptions options = ParseCommandLine(WithoutWidgetOptions(QCoreApplication::arguments()));
  if (options.request != CommandLineOptions::Request::Run) return AnswerOnConsole(options);
  return RunRosterToFiles(app, StartupOptions{QCoreApplication::applicationDirPath()}, options);
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help, version and the roster template are answered before the application object
  // exists, so they need no display.
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineOptions early = ParseCommandLine(rawArguments);
  if (early.request == CommandLineOptions::Request::Help || early.request == CommandLineOptions::Request::Version ||
      early.request == CommandLineOptions::Request::RosterTemplate)
    return AnswerOnConsole(early);
  // The records on the console need no display either.
  if (early.RecordsCommand()) {
    QCoreApplication console(argc, argv);
    return RunRecordsCommand(early);
  }
  // Without a display no window can open, whatever Qt options the line may hold: a usage
  // error is answered as it stands.
  if (early.request == CommandLineOptions::Request::UsageError && !PlatformNamed(rawArguments) &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return AnswerOnConsole(early);
  if (AsksForFilesOnly(rawArguments)) return RunWithoutWindows(argc, argv, rawArguments);

  QApplication app(argc, argv);
  const CommandLineOptions options = ParseCommandLine(QCoreApplication::arguments());
  if (options.request != CommandLineOptions::Request::Run) return AnswerOnConsole(options);
  if (options.RecordsCommand()) return RunRecordsCommand(options);
  const StartupOptions startup{.baseDir = QCoreApplication::applicationDirPath(), .database = options.database};
  if (options.WritesFilesOnly()) return RunRosterToFiles(app, startup, options);
  if (!options.roster.isEmpty()) return RunRosterPreview(app, startup, options);
  if (!options.pageFile.isEmpty()) return RunPageFileProgram(app, startup, options.pageFile);
  return RunProgram(app, startup);
}
