#pragma once
// Writes the pages of a finished output device as a vector PDF document, one PDF page per
// report page at the device's paper size.

#include <QSize>
#include <QString>
#include <QTransform>

#include <functional>

class TTsPrinter;
struct TPrinterSettings;

// Stored pages are replayed at this resolution; the output stays vector.
inline constexpr int kPdfExportResolution = 1200;

// Nothing is written while the device has not finished. The file is written as OutputFile
// writes it (a file replaced only once the new document is complete); a file error throws
// OutputFileError, a page that cannot be read back from the page store a TsPrintError that
// names it, and either leaves the file as it was. pageWritten, when given, is told of each
// page as it is written (its number and the page count).
void ExportPdf(TTsPrinter& device, const QString& fileName,
               const std::function<void(int page, int pages)>& pageWritten = {});

// A page drawn straight onto a PDF document at the stored pages' resolution `dpi` is
// placed as the export places the stored page: stretched from its own size in pixels,
// `storedPage`, over the PDF's page in whole pixels at the export's resolution (which
// differ by a fraction of a pixel on most papers). The transform from the page's pixels
// to the document's.
QTransform ExportedPageStretch(const TPrinterSettings& paper, QSize storedPage, int dpi);
