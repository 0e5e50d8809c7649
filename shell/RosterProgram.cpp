#include "shell/RosterProgram.h"

#include "report/device/TsPrinter.h"
#include "report/preview/PreviewMessages.h"
#include "records/StoreError.h"
#include "roster/RosterError.h"
#include "roster/RosterRun.h"
#include "shell/AssessmentRecorder.h"
#include "shell/CommandLine.h"
#include "shell/PlainMessage.h"
#include "shell/PreviewAlone.h"
#include "shell/RosterRecording.h"
#include "shell/Startup.h"

#include <QApplication>

#include <unistd.h>

#include <exception>
#include <iostream>
#include <optional>

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

// With --record, the store opened before any row is read: a store that cannot be opened
// ends the run before anything is done.
class Recording {
 public:
  Recording(const StartupOptions& startup, const CommandLineOptions& options) {
    if (!options.record) return;
    recorder_.emplace(options.database, startup.baseDir);
    try {
      recorder_->Store();
      rows_.emplace(*recorder_);
    } catch (const StoreError& error) {
      ReportFailure(QStringLiteral("%1; nothing was done.").arg(error.Message()));
    }
  }
  bool Failed() const { return recorder_ && !rows_; }
  AcceptedSoldiers* Rows() { return rows_ ? &*rows_ : nullptr; }
  // Says how many assessments were kept, and where.
  void Report() {
    if (!rows_) return;
    std::cerr << QStringLiteral("corvane32: %1 %2 recorded in %3")
                     .arg(rows_->Recorded())
                     .arg(rows_->Recorded() == 1 ? QStringLiteral("assessment") : QStringLiteral("assessments"),
                          recorder_->Store().Description())
                     .toStdString()
              << std::endl;
  }

 private:
  std::optional<AssessmentRecorder> recorder_;
  std::optional<RosterRecording> rows_;
};

// Runs the roster on the device and returns the exit status. Anything that stops the run
// unwinds to here, so that no output is left half written.
int RunOn(TTsPrinter& device, const CommandLineOptions& options, bool preview, Recording& recording) {
  RosterJob job{options.roster, options.pdf, options.results, isatty(STDERR_FILENO) == 1, preview};
  job.accepted = recording.Rows();
  try {
    const RosterSummary summary = RunRoster(job, device, std::cerr);
    recording.Report();
    return summary.refused > 0 ? kRowsRefusedStatus : 0;
  } catch (const RosterError& error) {
    ReportFailure(error.Describe());
  } catch (const StoreError& error) {
    ReportFailure(QStringLiteral("%1: %2; the run ended: the accepted rows are recorded up to the last full batch "
                                 "of %3, and no output is written.")
                      .arg(options.roster, error.Message())
                      .arg(RosterRecording::kBatchSize));
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
  Recording recording(startup, options);
  if (recording.Failed()) return kUsageErrorStatus;
  TTsPrinter device;
  return RunOn(device, options, false, recording);
}

int RunRosterPreview(QApplication& app, const StartupOptions& startup, const CommandLineOptions& options) {
  if (!PrepareProgram(app, startup)) return kTableErrorStatus;
  Recording recording(startup, options);
  if (recording.Failed()) return kUsageErrorStatus;
  TTsPrinter device;
  const int status = RunOn(device, options, true, recording);
  if (status == kUsageErrorStatus) return status;
  if (device.PageCount() == 0) {
    ReportFailure(QStringLiteral("%1: no soldier accepted, no worksheet to show").arg(options.roster));
    return status;
  }
  device.OnPrintRequest = [&device] { PrintStoredWorksheets(device); };
  RunPreviewAlone(app, device);
  return status;
}
