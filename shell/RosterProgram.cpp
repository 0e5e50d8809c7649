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

}  // namespace

int RunRosterProgram(QApplication& app, const StartupOptions& startup, const CommandLineOptions& options) {
  if (!PrepareProgram(app, startup)) return kTableErrorStatus;

  const RosterJob job{options.roster, options.pdf, options.results, isatty(STDERR_FILENO) == 1,
                      !options.WritesFilesOnly()};
  TTsPrinter device;
  RosterSummary summary;
  try {
    summary = RunRoster(job, device, std::cerr);
  } catch (const RosterError& error) {
    std::cerr << QStringLiteral("corvane32: %1").arg(error.Describe()).toStdString() << std::endl;
    return kUsageErrorStatus;
  }
  const int status = summary.refused > 0 ? kRowsRefusedStatus : 0;
  if (options.WritesFilesOnly()) return status;

  if (device.PageCount() == 0) {
    std::cerr << QStringLiteral("corvane32: %1: no soldier accepted, no worksheet to show").arg(options.roster).toStdString()
              << std::endl;
    return status;
  }
  device.OnPrintRequest = [&device] { PrintStoredWorksheets(device); };
  RunPreviewAlone(app, device);
  return status;
}
