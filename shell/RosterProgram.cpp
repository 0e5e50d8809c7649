#include "shell/RosterProgram.h"

#include "report/device/TsPrinter.h"
#include "report/preview/PreviewMessages.h"
#include "roster/RosterError.h"
#include "roster/RosterRun.h"
#include "shell/CommandLine.h"
#include "shell/PlainMessage.h"
#include "shell/PreviewAlone.h"
#include "shell/Startup.h"

#include <QApplication>

#include <unistd.h>

#include <exception>
#include <iostream>

namespace {

// The preview's Print button prints the stored worksheets: no report regenerates them.
void PrintStoredWorksheets(TTsPrinter& device) {
  if (!device.PrinterOK()) {
    ShowNoPrinterMessage(nullptr);
    return;
  }
  try {
    device.PrintStoredPages();
  } catch (const TsPrintError& error) {
    ShowMessage(QString::fromStdString(error.what()));
  }
}

void ReportFailure(const QString& text) { std::cerr << QStringLiteral("corvane32: %1").arg(text).toStdString() << std::endl; }

// Runs the roster on the device and returns the exit status. Anything that stops the run
// unwinds to here, so that no output is left half written.
int RunOn(TTsPrinter& device, const CommandLineOptions& options, bool preview) {
  const RosterJob job{options.roster, options.pdf, options.results, isatty(STDERR_FILENO) == 1, preview};
  try {
    const RosterSummary summary = RunRoster(job, device, std::cerr);
    return summary.refused > 0 ? kRowsRefusedStatus : 0;
  } catch (const RosterError& error) {
    ReportFailure(error.Describe());
  } catch (const std::exception& error) {
    ReportFailure(QStringLiteral("%1: the run failed: %2").arg(options.roster, QString::fromLocal8Bit(error.what())));
  }
  return kUsageErrorStatus;
}

}  // namespace

int RunRosterToFiles(QGuiApplication& app, const StartupOptions& startup, const CommandLineOptions& options) {
  StartupOptions withoutBox = startup;
  withoutBox.errorBox = false;
  if (!PrepareProgram(app, withoutBox)) return kTableErrorStatus;
  TTsPrinter device;
  return RunOn(device, options, false);
}

int RunRosterPreview(QApplication& app, const StartupOptions& startup, const CommandLineOptions& options) {
  if (!PrepareProgram(app, startup)) return kTableErrorStatus;
  TTsPrinter device;
  const int status = RunOn(device, options, true);
  if (status == kUsageErrorStatus) return status;
  if (device.PageCount() == 0) {
    ReportFailure(QStringLiteral("%1: no soldier accepted, no worksheet to show").arg(options.roster));
    return status;
  }
  device.OnPrintRequest = [&device] { PrintStoredWorksheets(device); };
  RunPreviewAlone(app, device);
  return status;
}
