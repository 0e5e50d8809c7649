#include "report/preview/PdfExport.h"

#include "report/device/OutputFile.h"
#include "report/device/TsPrintError.h"
#include "report/device/TsPrinter.h"
#include "report/device/PagePicture.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

namespace {

// Pictures are replayed at this resolution; the output stays vector.
constexpr int PdfResolution = 1200;

// The device's paper, native units (0.1 mm) to a page layout without margins.
QPageLayout PaperLayout(const TTsPrinter& device) {
  const qreal width = qreal(device.PrinterSettings.PaperWidth()) / 10;
  const qreal length = qreal(device.PrinterSettings.PaperLength()) / 10;
  const bool landscape = width > length;
  const QSizeF portrait = landscape ? QSizeF(length, width) : QSizeF(width, length);
  return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

}  // namespace

void ExportPdf(TTsPrinter& device, const QString& fileName,
               const std::function<void(int page, int pages)>& pageWritten) {
  if (device.Status() != TsPrinterStatus::Finished) return;
  OutputFile file(fileName);
  file.Open();
  {
    QPdfWriter writer(&file);
    writer.setTitle(device.Title);
    writer.setCreator(QStringLiteral("Corvane 32"));
    writer.setResolution(PdfResolution);
    writer.setPageLayout(PaperLayout(device));
    QPainter painter(&writer);
    const QRectF page(0, 0, writer.width(), writer.height());
    for (int n = 1; n <= device.PageCount(); ++n) {
      if (n > 1) writer.newPage();
      // A page missing from the PDF would pass unseen: the export fails instead.
      const auto picture = device.GetPage(n);
      if (!picture)
        throw TsPrintError(QStringLiteral("Page %1 cannot be read back from the page store; the PDF is not written.").arg(n));
      DrawPagePicture(painter, *picture, page);
      if (pageWritten) pageWritten(n, device.PageCount());
    }
  }
  file.Commit();
}
