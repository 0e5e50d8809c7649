#include "report/device/PdfDocument.h"

#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"

#include <QPageLayout>
#include <QPageSize>

QPageLayout PdfPageLayout(const TPrinterSettings& paper) {
  const qreal width = qreal(paper.PaperWidth()) / 10;
  const qreal length = qreal(paper.PaperLength()) / 10;
  const bool landscape = width > length;
  const QSizeF portrait = landscape ? QSizeF(length, width) : QSizeF(width, length);
  return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

namespace {

// The file is opened before the writer that writes to it is made.
OutputFile& Opened(OutputFile& file) {
  file.Open();
  return file;
}

}  // namespace

PdfDocument::PdfDocument(const QString& fileName, const QString& title, const TPrinterSettings& paper, int resolution,
                         const QTransform& pageTransform)
    : file_(fileName), writer_(&Opened(file_)), pageTransform_(pageTransform) {
  writer_.setTitle(title);
  writer_.setCreator(QStringLiteral("Corvane 32"));
  writer_.setResolution(resolution);
  writer_.setPageLayout(PdfPageLayout(paper));
  if (!canvas_.begin(&writer_)) throw TsPrintError(kPrinterNotReady);
  StartPage();
}

PdfDocument::~PdfDocument() { EndCanvas(); }

// Qt's PDF engine strokes with a hairline of its own until the painter hands it a pen, and
// the painter hands over none equal to its own; the page starts with the painter's.
void PdfDocument::StartPage() {
  canvas_.save();
  canvas_.setTransform(pageTransform_);
  const QPen pen = canvas_.pen();
  canvas_.setPen(Qt::NoPen);
  canvas_.setPen(pen);
}

void PdfDocument::EndCanvas() {
  if (!canvas_.isActive()) return;
  canvas_.restore();
  canvas_.end();
}

void PdfDocument::NewPage() {
  file_.CheckWrites();
  canvas_.restore();
  writer_.newPage();
  StartPage();
}

void PdfDocument::Finish() {
  EndCanvas();
  file_.Commit();
}
