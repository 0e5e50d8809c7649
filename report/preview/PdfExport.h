#pragma once
// Writes the pages of a finished output device as a vector PDF document, one PDF page per
// report page at the device's paper size.

#include <QString>

#include <functional>

class TTsPrinter;

// Nothing is written while the device has not finished. The file is written as OutputFile
// writes it (a file replaced only once the new document is complete); a file error throws
// OutputFileError, a page that cannot be read back from the page store a TsPrintError that
// names it, and either leaves the file as it was. pageWritten, when given, is told of each
// page as it is written (its number and the page count).
void ExportPdf(TTsPrinter& device, const QString& fileName,
               const std::function<void(int page, int pages)>& pageWritten = {});
