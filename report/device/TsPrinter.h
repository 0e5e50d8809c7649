#pragma once
// The output device of a generation pass: pages go into the page store (for the preview),
// onto the printer, or straight into a PDF file. It converts native units (0.1 mm) to
// device pixels, opens and closes pages and documents, posts page-available and progress
// notifications to its client window, and saves, loads and prints the stored pages.

#include "report/device/LiveInstances.h"
#include "report/device/PaperSizes.h"
#include "report/device/TsPrintError.h"

#include <QEvent>
#include <QObject>
#include <QPainter>  // Canvas() is drawn on
#include <QPicture>  // GetPage hands out pictures
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class TTsPageList;

// PdfFile draws each page straight onto a page of PdfFileName, laid out as in the page
// store: the document is the one the same pages would export to from the store, without
// recording each page and reading it back.
enum class TsDestination { PageStore, Printer, PdfFile };
enum class TsPrinterStatus { Ready, Busy, Finished };

// Posted to the client window when a page becomes available to the preview.
class TsPageAvailableEvent : public QEvent {
 public:
  explicit TsPageAvailableEvent(int availablePages);
  static QEvent::Type eventType();
  const int availablePages;
};

// Posted to the client window when the progress percentage changes.
class TsProgressEvent : public QEvent {
 public:
  explicit TsProgressEvent(int percent);
  static QEvent::Type eventType();
  const int percent;
};

// The device's view of the printer's device mode.
struct TPrinterSettings {
  QString printerName;  // empty: the system's default printer
  TTsPaperSize paperSize = TTsPaperSize::Letter;
  long double customWidth = 0;   // native, used for Custom and Default
  long double customLength = 0;  // native, used for Custom and Default
  TTsOrientation orientation = TTsOrientation::poPortrait;
  int copies = 1;
  TTsBin outputBin = TTsBin::Auto;
  bool duplex = false;

  // Paper width and length as the device uses them: the paper table's portrait size
  // (swapped in landscape) for the fixed sizes, the settings' own values otherwise.
  long double PaperWidth() const;
  long double PaperLength() const;
};

class TTsPrinter : public QObject, public LiveInstances<TTsPrinter> {
  Q_OBJECT
 public:
  explicit TTsPrinter(QObject* parent = nullptr);
  // Releasing a busy device cancels it; when it was showing a preview, its
  // after-preview-closed hook runs.
  ~TTsPrinter() override;

  // --- settings, copied in by the report before BeginDoc ---
  TsDestination Destination = TsDestination::PageStore;
  TPrinterSettings PrinterSettings;
  int FirstPage = 0;  // 0: no limit
  int LastPage = 0;   // 0: no limit
  QString Title;
  QString JobName;  // the print job's name; the title when empty
  bool Compression = false;
  QString PdfFileName;  // the PdfFile destination's file

  // The platform printer used for the printer destination (created on first use);
  // tests point it at a PDF file and set its resolution before BeginDoc.
  QPrinter& Printer();
  // At least one printer is installed, or the printer has been pointed at a PDF file.
  bool PrinterOK() const;

  // --- document ---
  // On the printer destination the sheets are spooled and reach the printer (or the
  // print-to-file target) only at EndDoc; AbortDoc leaves neither a job nor a file. On the
  // PDF file destination the file is opened with the first page, under the title then in
  // force, and put in place at EndDoc (which throws OutputFileError when it cannot be
  // written); AbortDoc, or a device released unfinished, leaves no file; a document
  // without pages writes none.
  void BeginDoc();  // throws TsPrintError("Printer not ready")
  void NewPage();   // throws TsPrintError("Illegal call to NewPage")
  void EndDoc();    // throws TsPrintError when the print system does not take the job
  void AbortDoc();
  void Cancel();
  bool Cancelled() const;
  TsPrinterStatus Status() const;
  int PageNumber() const;
  int PageCount() const;
  int AvailablePages() const;
  int Progress() const;
  void SetProgress(int percent);  // posts a progress notification when it changes

  // The canvas of the page being drawn (valid between NewPage and the next NewPage/EndDoc).
  QPainter* Canvas();
  // Draws a line of text on the canvas in its font, its baseline starting at `baseline`. On
  // the PDF file destination the text is placed as a stored page places it when it is
  // replayed, so that the page is the one the page store would export.
  void DrawTextLine(QPoint baseline, const QString& text);

  // --- coordinates: native value to device pixels, halves to even ---
  long double XFactor() const;
  long double YFactor() const;
  long double LeftWaste() const;
  long double TopWaste() const;
  int XPos(long double native) const;
  int YPos(long double native) const;
  int XSize(long double native) const;
  int YSize(long double native) const;

  // --- stored pages ---
  // A new picture of page n; nullptr when the device is ready or n is outside 1..PageCount.
  std::unique_ptr<QPicture> GetPage(int n);
  // Prints the stored pages as one job; a cancel while they print abandons the job.
  // Throws TsPrintError as EndDoc does.
  void PrintStoredPages();
  // Writes the store to fileName (only when finished); the target is replaced only once
  // the new file is complete. Throws TsPrintError on a file error.
  void SaveToFile(const QString& fileName);
  // Loads a page file; a damaged or hostile file throws TsPrintError with a clear reason
  // and leaves the device as it was.
  void LoadFromFile(const QString& fileName);
  bool LoadedFromFile() const;
  // The page store of a page-store document or a loaded file; nullptr before BeginDoc and
  // on the printer destination.
  const TTsPageList* PageList() const;
  // Paper detected when a file was loaded (or copied in by the report).
  TTsPaperSize PaperSize() const;
  TTsOrientation Orientation() const;

  // --- preview connection ---
  bool ShowingPreview = false;
  QPointer<QObject> Client;   // receives the posted notifications
  QObject* MasterReport = nullptr;
  std::function<void()> OnPrintSetup;            // the report's print setup dialog
  std::function<void()> OnPrintRequest;          // posted by RequestPrint, runs after the handler returns
  std::function<void(TTsPrinter*)> OnPreviewClosed;  // sent by the closing preview window
  std::function<void()> AfterPreviewClosed;
  std::function<void()> AfterPrint;
  // Run by the preview once it has saved the device's pages to a file, a page file or a PDF;
  // pages loaded from a file are no longer the report's, and loading drops it.
  std::function<void()> AfterSave;

  // The preview's Print button: posts the print request to the master report when the
  // pages come from a generation pass; prints the stored pages when loaded from a file.
  void RequestPrint();
  // The closing preview window.
  void PreviewClosed();

 private:
  bool PageInRange(int page) const;
  void OpenPicture();
  void DiscardPicture();
  void StartPrinterSheet();
  void StartPrintJob();
  void StartPdfPage();
  void CloseOpenPage();
  void MarkPageAvailable();
  void Notify(QEvent* event);  // posted to Client, when there is one
  void PrintPages(int first, int last);

  struct Impl;
  std::unique_ptr<Impl> d;
};
