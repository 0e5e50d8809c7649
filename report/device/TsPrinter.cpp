#include "report/device/TsPrinter.h"

#include "report/device/HalfEven.h"
#include "report/device/NativeUnits.h"
#include "report/device/PagePicture.h"
#include "report/device/PdfExport.h"
#include "report/device/PrinterSetup.h"
#include "report/device/ScreenResolution.h"
#include "report/device/TsPrinterImpl.h"

#include <QCoreApplication>
#include <QPrinterInfo>

namespace {

const char* const kIllegalNewPage = "Illegal call to NewPage";

}  // namespace

TTsPrinter::TTsPrinter(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {
  d->printerInstalled = !QPrinterInfo::availablePrinterNames().isEmpty();
  d->xFactor = d->yFactor = ScreenPixelsPerInch() / kNativePerInch;
}

TTsPrinter::~TTsPrinter() {
  if (d->status == TsPrinterStatus::Busy) {
    Cancel();
    try {
      AbortDoc();
    } catch (...) {  // a destructor must not throw; the document is given up either way
    }
  }
  d->spool.reset();  // stored pages still being printed: nothing reaches the printer
  if (ShowingPreview && AfterPreviewClosed) AfterPreviewClosed();
}

QPrinter& TTsPrinter::Printer() {
  if (!d->printer) d->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *d->printer;
}

bool TTsPrinter::PrinterOK() const {
  return d->printerInstalled || (d->printer && !d->printer->outputFileName().isEmpty());
}

// --- document ---------------------------------------------------------------------------

void TTsPrinter::BeginDoc() {
  if (d->status != TsPrinterStatus::Ready) throw TsPrintError(kPrinterNotReady);
  if (Destination == TsDestination::Printer && !PrinterOK()) throw TsPrintError(kPrinterNotReady);
  if (PrinterSettings.paperSize == TTsPaperSize::Default) TakeDriverPaperSize(PrinterSettings, Printer());
  if (Destination == TsDestination::Printer) {
    QPrinter& printer = Printer();
    ApplyPrinterSettings(printer, PrinterSettings);
    const PrintingOffsets offsets = ReadPrintingOffsets(printer);
    d->leftWaste = offsets.left;
    d->topWaste = offsets.top;
    d->xFactor = printer.logicalDpiX() / kNativePerInch;
    d->yFactor = printer.logicalDpiY() / kNativePerInch;
  } else {
    // A PDF file's pages are laid out at the store's resolution, as stored pages would be.
    const int dpi = ScreenPixelsPerInch();
    if (Destination == TsDestination::PageStore) d->store = std::make_unique<TTsPageList>(Compression, dpi);
    d->leftWaste = d->topWaste = 0;
    d->xFactor = d->yFactor = dpi / kNativePerInch;
  }
  d->pageNumber = 0;
  d->pageCount = 0;
  d->status = TsPrinterStatus::Busy;
}

void TTsPrinter::NewPage() {
  if (d->status != TsPrinterStatus::Busy) throw TsPrintError(kIllegalNewPage);
  if (d->pageNumber > 0) CloseOpenPage();
  ++d->pageCount;
  ++d->pageNumber;
  if (Destination == TsDestination::Printer && PageInRange(d->pageCount))
    StartPrinterSheet();
  else if (Destination == TsDestination::PdfFile)
    StartPdfPage();
  else
    OpenPicture();
}

void TTsPrinter::EndDoc() {
  if (d->status != TsPrinterStatus::Busy) return;
  const bool printer = Destination == TsDestination::Printer;
  if (d->pageNumber > 0) CloseOpenPage();
  else if (printer) MarkPageAvailable();  // the printer's end counts one page, even of an empty document
  d->drawingOnPrinter = false;
  d->status = TsPrinterStatus::Finished;
  if (d->store) d->store->WriteHeader();
  if (const std::unique_ptr<PdfDocument> document = std::move(d->pdf)) document->Finish();
  if (!printer) return;
  if (const std::unique_ptr<TsPrintSpool> job = std::move(d->spool)) job->Finish();
  if (AfterPrint) AfterPrint();
}

void TTsPrinter::AbortDoc() {
  if (d->status != TsPrinterStatus::Busy) return;
  if (Destination != TsDestination::PageStore) {
    d->spool.reset();
    d->pdf.reset();
    d->drawingOnPrinter = false;
    DiscardPicture();
  } else if (d->pageNumber > 0) {
    CloseOpenPage();
  }
  d->status = TsPrinterStatus::Finished;
  // The header must carry the pages really stored, or a saved file would not read back.
  if (d->store) d->store->WriteHeader();
}

void TTsPrinter::Cancel() { d->cancelled = true; }
bool TTsPrinter::Cancelled() const { return d->cancelled; }
TsPrinterStatus TTsPrinter::Status() const { return d->status; }
int TTsPrinter::PageNumber() const { return d->pageNumber; }
int TTsPrinter::PageCount() const { return d->pageCount; }
int TTsPrinter::AvailablePages() const { return d->availablePages; }
int TTsPrinter::Progress() const { return d->progress; }

void TTsPrinter::SetProgress(int percent) {
  if (percent == d->progress) return;
  d->progress = percent;
  Notify(new TsProgressEvent(percent));
}

QPainter* TTsPrinter::Canvas() {
  if (d->drawingOnPrinter && d->spool) return &d->spool->Canvas();
  if (d->pdf) return &d->pdf->Canvas();
  return d->pictureCanvas.isActive() ? &d->pictureCanvas : nullptr;
}

void TTsPrinter::DrawTextLine(QPoint baseline, const QString& text) {
  QPainter& canvas = *Canvas();
  if (Destination != TsDestination::PdfFile) {
    canvas.drawText(baseline, text);
    return;
  }
  // A page picture keeps the baseline; replaying it lays the text out again as one line
  // whose top is the baseline less the font's ascent in whole pixels.
  const QRectF line(baseline.x(), baseline.y() - canvas.fontMetrics().ascent(), 1, 1);
  canvas.drawText(line, Qt::TextSingleLine | Qt::TextDontClip | Qt::TextForceLeftToRight, text);
}

// --- coordinates -------------------------------------------------------------------------

long double TTsPrinter::XFactor() const { return d->xFactor; }
long double TTsPrinter::YFactor() const { return d->yFactor; }
long double TTsPrinter::LeftWaste() const { return d->leftWaste; }
long double TTsPrinter::TopWaste() const { return d->topWaste; }
int TTsPrinter::XPos(long double native) const { return RoundHalfEven((native - d->leftWaste) * d->xFactor); }
int TTsPrinter::YPos(long double native) const { return RoundHalfEven((native - d->topWaste) * d->yFactor); }
int TTsPrinter::XSize(long double native) const { return RoundHalfEven(native * d->xFactor); }
int TTsPrinter::YSize(long double native) const { return RoundHalfEven(native * d->yFactor); }

TTsPaperSize TTsPrinter::PaperSize() const { return PrinterSettings.paperSize; }
TTsOrientation TTsPrinter::Orientation() const { return PrinterSettings.orientation; }

// --- pages -------------------------------------------------------------------------------

bool TTsPrinter::PageInRange(int page) const {
  return (FirstPage <= 0 || page >= FirstPage) && (LastPage <= 0 || page <= LastPage);
}

void TTsPrinter::OpenPicture() {
  d->picture = NewPagePicture(QSize(XSize(PrinterSettings.PaperWidth()), YSize(PrinterSettings.PaperLength())));
  d->pictureCanvas.begin(d->picture.get());
}

void TTsPrinter::DiscardPicture() {
  if (d->pictureCanvas.isActive()) d->pictureCanvas.end();
  d->picture.reset();
}

// The printer's first page of the range starts the job under the title; each later one
// begins a new sheet.
void TTsPrinter::StartPrinterSheet() {
  if (d->spool)
    d->spool->NewSheet();
  else
    StartPrintJob();
  d->drawingOnPrinter = true;
}

// The first page opens the file under the title; each later one begins a new page. The
// document's resolution is the store's: its painter then lays texts out in the fonts a
// stored page records, at the same sizes.
void TTsPrinter::StartPdfPage() {
  if (d->pdf) {
    d->pdf->NewPage();
  } else {
    const int dpi = ScreenPixelsPerInch();
    const QSize storedPage(XSize(PrinterSettings.PaperWidth()), YSize(PrinterSettings.PaperLength()));
    d->pdf = std::make_unique<PdfDocument>(PdfFileName, Title, PrinterSettings, dpi,
                                           ExportedPageStretch(PrinterSettings, storedPage, dpi));
  }
}

void TTsPrinter::StartPrintJob() {
  d->spool = std::make_unique<TsPrintSpool>(Printer(), JobName.isEmpty() ? Title : JobName);
}

// Finishes the open page: into the store, onto the printer (whose sheet the next page or
// EndDoc finishes), or away when it lies outside the printed range.
void TTsPrinter::CloseOpenPage() {
  if (d->store && d->picture) {
    if (d->pictureCanvas.isActive()) d->pictureCanvas.end();  // ended already when the store refused the page
    d->store->AddPage(*d->picture);
    d->picture.reset();
  } else {
    DiscardPicture();
  }
  d->drawingOnPrinter = false;
  MarkPageAvailable();
}

void TTsPrinter::MarkPageAvailable() {
  ++d->availablePages;
  Notify(new TsPageAvailableEvent(d->availablePages));
}

void TTsPrinter::Notify(QEvent* event) {
  if (Client)
    QCoreApplication::postEvent(Client, event);
  else
    delete event;
}
