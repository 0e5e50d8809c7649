#pragma once
// Writes the pages of a finished output device as a vector PDF document, one PDF page per
// report page at the device's paper size.

#include <QString>

class TTsPrinter;

// Nothing is written while the device has not finished. The file is replaced only once the
// new document is complete; a file error throws TsPrintError with its reason.
void ExportPdf(TTsPrinter& device, const QString& fileName);
