// The report's preview flows: generating into the page store behind the preview window,
// printing again from the preview, and the closing preview.

#include "report/preview/ReportPreview.h"

#include "report/device/TsPrinter.h"
#include "report/model/CustomReport.h"
#include "report/preview/PreviewMessages.h"
#include "report/preview/ReportPrintSetup.h"
#include "report/preview/TsProgressForm.h"
#include "report/preview/TsStandardPreview.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include <exception>

namespace {

// Notices the application being asked to quit while a preview keeps dispatching events.
class QuitWatcher : public QObject {
 public:
  QuitWatcher() { QCoreApplication::instance()->installEventFilter(this); }
  bool Terminating() const { return quit_ || QCoreApplication::closingDown(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Quit) quit_ = true;
    return QObject::eventFilter(watched, event);
  }

 private:
  bool quit_ = false;
};

// The preview window showing a device, if any.
QWidget* PreviewWindowOf(const TTsPrinter* device) {
  auto* view = device ? qobject_cast<QWidget*>(device->Client.data()) : nullptr;
  return view ? view->window() : nullptr;
}

// A device is released once control is back in the event loop: the request to release
// it may come from inside one of its own calls.
void Release(std::unique_ptr<TTsPrinter> device) {
  if (device) device.release()->deleteLater();
}

// The preview's print request: generates the report again, on the printer, behind the
// printing progress window.
void PrintFromPreview(TCustomReport& report) {
  if (!report.Available()) return;
  std::unique_ptr<TTsPrinter> previewDevice = report.TakeDevice();
  const QPointer<QWidget> window = PreviewWindowOf(previewDevice.get());
  report.SetDevice(report.NewDevice());
  TTsPrinter& printing = *report.Device();
  if (!report.PrinterSettings.OutputFileName.isEmpty())
    printing.Printer().setOutputFileName(report.PrinterSettings.OutputFileName);
  const bool printerOK = printing.PrinterOK();
  QString error;
  if (printerOK) {
    printing.Destination = TsDestination::Printer;
    TTsProgressForm progress(&printing);
    if (report.ShowProgress) progress.ShowAndPaint();
    printing.Client = &progress;
    try {
      report.CreateReport();
    } catch (const std::exception& failure) {
      error = QString::fromStdString(failure.what());
    }
  }
  // The preview's device is back before any message box lets events run again.
  report.SetDevice(std::move(previewDevice));
  if (!printerOK)
    ShowNoPrinterMessage(window);
  else if (!error.isEmpty())
    ShowErrorMessage(window, error);
}

// The closing preview window's request.
void PreviewClosed(TCustomReport& report, TTsPrinter* device) {
  if (!report.Available()) {
    // PreviewReport releases the device once the pass has ended.
    report.CancelPass();
    if (device) device->Cancel();
    return;
  }
  if (device != nullptr && device == report.Device()) Release(report.TakeDevice());
}

}  // namespace

void PreviewReport(TCustomReport& report) {
  QCoreApplication::processEvents();
  if (!report.Available()) return;
  // One preview window per report. Asked again while it is open, the report is generated
  // anew into that window, which then shows what the report holds now; this call returns
  // at once and the call that opened the window goes on waiting for it to close.
  TTsStandardPreview* openWindow = nullptr;
  if (const TTsPrinter* shown = report.Device(); shown && shown->ShowingPreview) {
    openWindow = qobject_cast<TTsStandardPreview*>(PreviewWindowOf(shown));
    if (!openWindow) return;  // the report's own preview keeps its device
  }

  std::unique_ptr<TTsPrinter> device = report.NewDevice();
  device->Destination = TsDestination::PageStore;
  device->MasterReport = &report;
  device->OnPrintSetup = [&report] { ShowPrintSetupDialog(report, PreviewWindowOf(report.Device())); };
  device->OnPrintRequest = [&report] { PrintFromPreview(report); };
  device->OnPreviewClosed = [&report](TTsPrinter* closing) { PreviewClosed(report, closing); };
  device->Title = report.ReportTitle;
  device->JobName = report.JobName();
  TTsPrinter* const previewDevice = device.get();
  std::unique_ptr<TTsPrinter> previous = report.TakeDevice();
  report.SetDevice(std::move(device));

  QPointer<QWidget> window;
  if (openWindow) {
    openWindow->ShowDevice(previewDevice);
    window = openWindow;
  } else if (report.OnPreview) {
    report.OnPreview();
  } else {
    window = TTsStandardPreviewInterface::Show(previewDevice);
  }
  // No window shows the previous device any more.
  Release(std::move(previous));

  try {
    report.CreateReport();
  } catch (const std::exception& error) {
    ShowErrorMessage(window, QString::fromStdString(error.what()));
  }
  if (report.Device() == previewDevice && previewDevice->Cancelled()) {
    Release(report.TakeDevice());
    return;
  }
  if (openWindow) return;

  // The window may be given a newer device meanwhile: wait while the report's device is
  // shown.
  const QuitWatcher quit;
  while (report.Device() && report.Device()->ShowingPreview && !quit.Terminating())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  // A window closed while a print pass ran leaves its device to be released here.
  if (report.Device() && !report.Device()->ShowingPreview) Release(report.TakeDevice());
}
