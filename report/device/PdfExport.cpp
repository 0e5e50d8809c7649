#include "report/device/PdfExport.h"

#include "report/device/PagePicture.h"
#include "report/device/PdfDocument.h"
#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"

#include <QPicture>

QTransform ExportedPageStretch(const TPrinterSettings& paper, QSize storedPage, int dpi) {
  if (storedPage.isEmpty()) return {};  // a page of no size, which the export leaves blank
  const QSize exported = PdfPageLayout(paper).fullRectPixels(kPdfExportResolution).size();
  const qreal toDocument = qreal(dpi) / kPdfExportResolution;
  return QTransform::fromScale(qreal(exported.width()) / storedPage.width() * toDocument,
                               qreal(exported.height()) / storedPage.height() * toDocument);
}

void ExportPdf(TTsPrinter& device, const QString& fileName,
               const std::function<void(int page, int pages)>& pageWritten) {
  if (device.Status() != TsPrinterStatus::Finished) return;
  PdfDocument document(fileName, device.Title, device.PrinterSettings, kPdfExportResolution);
  const QRectF page(QPointF(0, 0), document.PageSize());
  for (int n = 1; n <= device.PageCount(); ++n) {
    if (n > 1) document.NewPage();
    // A page missing from the PDF would pass unseen: the export fails instead.
    const auto picture = device.GetPage(n);
    if (!picture)
      throw TsPrintError(QStringLiteral("Page %1 cannot be read back from the page store; the PDF is not written.").arg(n));
    DrawPagePicture(document.Canvas(), *picture, page);
    if (pageWritten) pageWritten(n, device.PageCount());
  }
  document.Finish();
}
