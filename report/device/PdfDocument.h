#pragma once
// A PDF document of report pages on the device's paper, without margins, written as
// OutputFile writes a file: the target is replaced only once the document is complete,
// and a document given up (released unfinished, or its write failed) leaves nothing.

#include "report/device/OutputFile.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSize>
#include <QString>
#include <QTransform>

struct TPrinterSettings;

// The paper, native units (0.1 mm), as a page layout without margins.
QPageLayout PdfPageLayout(const TPrinterSettings& paper);

class PdfDocument {
 public:
  // Opens the file and starts the first page. `resolution` is the document's pixels per
  // inch; the output stays vector whatever it is. Each page starts with pageTransform from
  // the painter's units to the document's pixels. Throws OutputFileError when the file
  // cannot be created.
  PdfDocument(const QString& fileName, const QString& title, const TPrinterSettings& paper, int resolution,
              const QTransform& pageTransform = {});
  // Unfinished, the document is given up and the file left as it was.
  ~PdfDocument();
  PdfDocument(const PdfDocument&) = delete;
  PdfDocument& operator=(const PdfDocument&) = delete;

  // The canvas of the current page; every page starts with a fresh painter state.
  QPainter& Canvas() { return canvas_; }
  // The page in the document's pixels.
  QSize PageSize() const { return {writer_.width(), writer_.height()}; }
  // Starts the next page; throws OutputFileError when a write has failed already.
  void NewPage();
  // Ends the document and puts the file in place; throws OutputFileError when a write
  // failed on the way or now.
  void Finish();

 private:
  OutputFile file_;
  QPdfWriter writer_;
  QPainter canvas_;
  QTransform pageTransform_;

  void StartPage();
  void EndCanvas();
};
