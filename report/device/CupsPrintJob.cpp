#include "report/device/CupsPrintJob.h"

#include "report/device/TsPrintError.h"

#include <cups/cups.h>

#include <cmath>

namespace {

// The standard IPP name of a paper source; nothing for Auto and for sources IPP has no
// name for, which leaves the choice to the printer.
const char* MediaSource(QPrinter::PaperSource source) {
  switch (source) {
    case QPrinter::Upper: return "top";
    case QPrinter::Lower: return "bottom";
    case QPrinter::Middle: return "middle";
    case QPrinter::Manual: return "manual";
    case QPrinter::Envelope: return "envelope";
    case QPrinter::LargeCapacity: return "large-capacity";
    default: return nullptr;
  }
}

const char* Sides(QPrinter::DuplexMode duplex) {
  switch (duplex) {
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    default: return "one-sided";
  }
}

// The PWG media name of the paper, from its portrait size in hundredths of a millimetre.
QByteArray Media(const QPageSize& paper) {
  if (!paper.isValid()) return {};
  const QSizeF size = paper.size(QPageSize::Millimeter);
  const pwg_media_t* media = pwgMediaForSize(int(std::lround(size.width() * 100)), int(std::lround(size.height() * 100)));
  return media ? QByteArray(media->pwg) : QByteArray();
}

}  // namespace

PrintJobOptions PrintJobOptionsOf(const QPrinter& printer) {
  return {printer.copyCount(), printer.duplex(), printer.pageLayout().pageSize(), printer.paperSource()};
}

void SubmitPdfToCups(const QString& queue, const QString& pdfFile, const QString& jobName,
                     const PrintJobOptions& options) {
  cups_option_t* list = nullptr;
  int count = 0;
  count = cupsAddOption("copies", QByteArray::number(std::max(options.copies, 1)).constData(), count, &list);
  count = cupsAddOption("sides", Sides(options.duplex), count, &list);
  if (const QByteArray media = Media(options.paper); !media.isEmpty())
    count = cupsAddOption("media", media.constData(), count, &list);
  if (const char* source = MediaSource(options.source)) count = cupsAddOption("media-source", source, count, &list);
  count = cupsAddOption("document-format", CUPS_FORMAT_PDF, count, &list);
  const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), pdfFile.toUtf8().constData(),
                                 jobName.toUtf8().constData(), count, list);
  cupsFreeOptions(count, list);
  if (job == 0) throw TsPrintError(QString::fromUtf8(cupsLastErrorString()));
}
