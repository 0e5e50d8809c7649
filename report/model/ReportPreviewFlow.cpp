// The report's preview flows: generating into the page store behind the preview window,
// printing again from the preview, the print setup dialog and the closing preview.

#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"
#include "report/model/CustomReport.h"
#include "report/preview/PreviewMessages.h"
#include "report/preview/TsProgressForm.h"
#include "report/preview/TsStandardPreview.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

}  // namespace

void TCustomReport::Preview() {
  QCoreApplication::processEvents();
  if (!Available()) return;
  // One preview window per report. Asked again while it is open, the report is generated
  // anew into that window, which then shows what the report holds now; this call returns
  // at once and the call that opened the window goes on waiting for it to close.
  TTsStandardPreview* openWindow = nullptr;
  if (const TTsPrinter* shown = Device(); shown && shown->ShowingPreview) {
    openWindow = qobject_cast<TTsStandardPreview*>(PreviewWindowOf(shown));
    if (!openWindow) return;  // the report's own preview keeps its device
  }

  std::unique_ptr<TTsPrinter> device = NewDevice();
  device->Destination = TsDestination::PageStore;
  device->MasterReport = this;
  device->OnPrintSetup = [this] { PrintSetup(); };
  device->OnPrintRequest = [this] { PrintFromPreview(); };
  device->OnPreviewClosed = [this](TTsPrinter* closing) { PreviewClosed(closing); };
  device->Title = ReportTitle;
  device->JobName = JobName();
  TTsPrinter* const previewDevice = device.get();
  std::unique_ptr<TTsPrinter> previous = TakeDevice();
  SetDevice(std::move(device));

  QPointer<QWidget> window;
  if (openWindow) {
    openWindow->ShowDevice(previewDevice);
    window = openWindow;
  } else if (OnPreview) {
    OnPreview();
  } else {
    window = TTsStandardPreviewInterface::Show(previewDevice);
  }
  // No window shows the previous device any more.
  Release(std::move(previous));

  try {
    CreateReport();
  } catch (const std::exception& error) {
    ShowErrorMessage(window, QString::fromStdString(error.what()));
  }
  if (Device() == previewDevice && previewDevice->Cancelled()) {
    Release(TakeDevice());
    return;
  }
  if (openWindow) return;

  // The window may be given a newer device meanwhile: wait while the report's device is
  // shown.
  const QuitWatcher quit;
  while (Device() && Device()->ShowingPreview && !quit.Terminating())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  // A window closed while a print pass ran leaves its device to be released here.
  if (Device() && !Device()->ShowingPreview) Release(TakeDevice());
}

void TCustomReport::PrintFromPreview() {
  if (!Available()) return;
  std::unique_ptr<TTsPrinter> previewDevice = TakeDevice();
  const QPointer<QWidget> window = PreviewWindowOf(previewDevice.get());
  SetDevice(NewDevice());
  TTsPrinter& printing = *Device();
  if (!PrinterSettings.OutputFileName.isEmpty())
    printing.Printer().setOutputFileName(PrinterSettings.OutputFileName);
  const bool printerOK = printing.PrinterOK();
  QString error;
  if (printerOK) {
    printing.Destination = TsDestination::Printer;
    TTsProgressForm progress(&printing);
    if (ShowProgress) progress.ShowAndPaint();
    printing.Client = &progress;
    try {
      CreateReport();
    } catch (const std::exception& failure) {
      error = QString::fromStdString(failure.what());
    }
  }
  // The preview's device is back before any message box lets events run again.
  SetDevice(std::move(previewDevice));
  if (!printerOK)
    ShowNoPrinterMessage(window);
  else if (!error.isEmpty())
    ShowErrorMessage(window, error);
}

void TCustomReport::PrintSetup() {
  const QStringList printers = QPrinterInfo::availablePrinterNames();
  QPrinter printer(QPrinter::HighResolution);
  if (PrinterSettings.PrinterIndex >= 0 && PrinterSettings.PrinterIndex < printers.size())
    printer.setPrinterName(printers[PrinterSettings.PrinterIndex]);
  if (!PrinterSettings.OutputFileName.isEmpty())
    printer.setOutputFileName(PrinterSettings.OutputFileName);
  printer.setPageOrientation(Page().Orientation() == TTsOrientation::poLandscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait);
  printer.setCopyCount(PrinterSettings.Copies);

  const TTsPrinter* device = Device();
  QPrintDialog dialog(&printer, PreviewWindowOf(device));
  dialog.setObjectName("PrintSetupDialog");
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (device && device->Status() == TsPrinterStatus::Finished) {
    dialog.setMinMax(1, device->PageCount());
    printer.setPrintRange(QPrinter::AllPages);
  } else {
    dialog.setMinMax(0, 9999);
  }
  if (dialog.exec() != QDialog::Accepted) return;

  PrinterSettings.Copies = printer.copyCount();
  PrinterSettings.PrinterIndex = printers.indexOf(printer.printerName());
  PrinterSettings.OutputFileName = printer.outputFileName();
  Page().SetOrientation(printer.pageLayout().orientation() == QPageLayout::Landscape
                            ? TTsOrientation::poLandscape
                            : TTsOrientation::poPortrait);
  const bool range = printer.printRange() == QPrinter::PageRange;
  PrinterSettings.FirstPage = range ? printer.fromPage() : 0;
  PrinterSettings.LastPage = range ? printer.toPage() : 0;
}

void TCustomReport::PreviewClosed(TTsPrinter* device) {
  if (!Available()) {
    // Preview releases the device once the pass has ended.
    CancelPass();
    if (device) device->Cancel();
    return;
  }
  if (device != nullptr && device == Device()) Release(TakeDevice());
}
