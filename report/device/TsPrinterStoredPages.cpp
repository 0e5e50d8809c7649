#include "report/device/TsPrinter.h"

#include "report/device/NativeUnits.h"
#include "report/device/OutputFile.h"
#include "report/device/PageFileLoader.h"
#include "report/device/PagePicture.h"
#include "report/device/PaperDetection.h"
#include "report/device/PrinterSetup.h"
#include "report/device/ScreenResolution.h"
#include "report/device/TsPrinterImpl.h"
#include "report/device/TsPrintError.h"

#include <QCoreApplication>

std::unique_ptr<QPicture> TTsPrinter::GetPage(int n) {
  if (d->status == TsPrinterStatus::Ready || !d->store) return nullptr;
  return d->store->GetPage(n);
}

void TTsPrinter::PrintStoredPages() {
  if (d->status != TsPrinterStatus::Finished || !d->store || !PrinterOK()) return;
  d->spool.reset();  // a job still running on this device is abandoned
  ApplyPrinterSettings(Printer(), PrinterSettings);
  d->cancelled = false;  // a cancel of an earlier print must not stop this one
  const int count = d->store->PageCount();
  const int first = FirstPage > 0 ? FirstPage : 1;
  const int last = LastPage > 0 && LastPage < count ? LastPage : count;
  if (first > last) return;
  StartPrintJob();
  PrintPages(first, last);
}

// Prints pages first..last of the store, each stretched over the printable area, and
// hands the job over. Pending events run before each page; they may cancel the job, start
// another print of the stored pages or close the preview and release this device, so
// nothing of the job is touched once any of that has happened. A page that cannot be read
// back abandons the job (TsPrintError): a blank sheet in its place would pass for the page.
void TTsPrinter::PrintPages(int first, int last) {
  QPointer<TTsPrinter> alive(this);
  TsPrintSpool* const job = d->spool.get();
  const QRect printable(QPoint(0, 0), job->SheetSize());
  for (int n = first; n <= last; ++n) {
    QCoreApplication::processEvents();
    if (!alive || d->spool.get() != job) return;
    const std::unique_ptr<QPicture> page = d->store->GetPage(n);
    if (!page) {
      d->spool.reset();
      throw TsPrintError(QStringLiteral("Page %1 cannot be read back from the page store; nothing is printed.").arg(n));
    }
    DrawPagePicture(job->Canvas(), *page, printable);
    if (d->cancelled) {
      d->spool.reset();
      return;
    }
    if (n < last) job->NewSheet();
  }
  const std::unique_ptr<TsPrintSpool> finished = std::move(d->spool);
  finished->Finish();
}

void TTsPrinter::SaveToFile(const QString& fileName) {
  if (d->status != TsPrinterStatus::Finished)
    throw TsPrintError("The pages cannot be saved before the report has finished.");
  if (!d->store) throw TsPrintError("There are no stored pages to save.");
  OutputFile file(fileName);
  file.Open();
  d->store->CopyTo(file);
  file.Commit();
}

void TTsPrinter::LoadFromFile(const QString& fileName) {
  std::unique_ptr<TTsPageList> store = LoadPageFile(fileName);  // throws before any change
  std::optional<DetectedPaper> paper;
  long double pageWidth = 0;
  long double pageLength = 0;
  if (const std::unique_ptr<QPicture> firstPage = store->GetPage(1)) {
    const QRect size = firstPage->boundingRect();
    const long double pixelsPerNative = store->RecordingDpi() / kNativePerInch;
    pageWidth = size.width() / pixelsPerNative;
    pageLength = size.height() / pixelsPerNative;
    paper = DetectPaper(pageWidth, pageLength);
  }

  if (d->status == TsPrinterStatus::Busy) {
    Cancel();
    AbortDoc();
  }
  d->cancelled = false;  // the loaded pages have not been cancelled
  DiscardPicture();
  d->store = std::move(store);
  Destination = TsDestination::PageStore;
  d->pageCount = d->pageNumber = d->availablePages = d->store->PageCount();
  d->xFactor = d->yFactor = ScreenPixelsPerInch() / kNativePerInch;
  d->leftWaste = d->topWaste = 0;
  if (paper) {
    PrinterSettings.paperSize = paper->paper;
    PrinterSettings.orientation = paper->orientation;
  } else {  // no paper of the table: the page keeps its own size
    PrinterSettings.paperSize = TTsPaperSize::Custom;
    PrinterSettings.orientation = TTsOrientation::poPortrait;
    PrinterSettings.customWidth = pageWidth;
    PrinterSettings.customLength = pageLength;
  }
  d->status = TsPrinterStatus::Finished;
  OnPrintSetup = nullptr;
  AfterSave = nullptr;
  d->loadedFromFile = true;
}

bool TTsPrinter::LoadedFromFile() const { return d->loadedFromFile; }

const TTsPageList* TTsPrinter::PageList() const { return d->store.get(); }

void TTsPrinter::RequestPrint() {
  if (d->loadedFromFile) {
    PrintStoredPages();
  } else if (OnPrintRequest) {
    // Runs after the caller's handler has returned; dropped if this device is released first.
    QMetaObject::invokeMethod(this, [this] { if (OnPrintRequest) OnPrintRequest(); }, Qt::QueuedConnection);
  }
}

void TTsPrinter::PreviewClosed() {
  if (OnPreviewClosed) OnPreviewClosed(this);
}
