#pragma once
// Helpers shared by the preview tests: hand-filled documents with recognisable pages,
// answering file dialogs, reading PDF files and looking at pixels.

#include "report/device/TsPrinter.h"
#include "tests/report/support/StoredDocuments.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QFileDialog;
class TTsStandardPreview;

// Page n carries a frame along half-inch margins and one black square, the "mark", whose
// place depends on n (marks 1 to 3 sit side by side, an inch apart).
void DrawSamplePage(TTsPrinter& device, int n);
// The mark's top-left corner and side, in native units.
QRectF MarkRect(int n);

// A page-store document of the given number of pages; finished unless finish is false.
std::unique_ptr<TTsPrinter> StoreDocument(int pages, TTsPaperSize paper = TTsPaperSize::Letter,
                                          TTsOrientation orientation = TTsOrientation::poPortrait,
                                          bool finish = true);

// Opens a preview window on device and waits until it is shown.
TTsStandardPreview* OpenPreview(TTsPrinter* device);

// Closes every open preview window and lets it be deleted.
void ClosePreviewWindows();

// The page image of a preview window as shown.
QImage ShownPage(TTsStandardPreview* window);
// Which mark (1 to 3) the shown page carries; 0 when none or several.
int ShownMark(TTsStandardPreview* window);

bool IsDark(const QImage& image, int x, int y);

// Runs answer once on the next visible window of the given object name, polling until it
// opens (a slow machine only makes it later).
class DialogAnswer : public QObject {
 public:
  DialogAnswer(QString objectName, std::function<void(QWidget*)> answer);
  bool Found() const { return found_; }

 private:
  void Poll();
  QString objectName_;
  std::function<void(QWidget*)> answer_;
  bool found_ = false;
  QTimer timer_;
};

// Answers the next visible file dialog of the given object name: chooses the filter (when
// given) and the file, and accepts; with no file name it cancels. Notes the dialog's title,
// filters and the folder it opened in.
class FileDialogAnswer : public QObject {
 public:
  FileDialogAnswer(QString dialogName, QString fileName, QString filter = {});
  bool Answered() const { return answered_; }
  QString title, folder;
  QStringList filters;

 private:
  void Answer(QFileDialog* dialog);
  QString fileName_, filter_;
  bool answered_ = false;
  DialogAnswer poll_;
};

struct PdfInfo {
  int pages = 0;
  QString pageSize;  // as pdfinfo states it, e.g. "612 x 792 pts (letter)"
};
PdfInfo ReadPdfInfo(const QString& fileName);
// Page 1 of a PDF file rendered at 100 pixels per inch (a null image without pdftoppm).
QImage RenderPdf(const QString& fileName);

int RunPageFileDialogTests(int argc, char** argv);
int RunPreviewWindowTests(int argc, char** argv);
int RunPageFileTests(int argc, char** argv);
int RunPrintFlowTests(int argc, char** argv);
