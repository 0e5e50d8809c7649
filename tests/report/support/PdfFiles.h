#pragma once
// What poppler reads in a PDF: its pages drawn, for tests that compare documents pixel for
// pixel, and the fields pdfinfo shows.

#include <QImage>
#include <QList>
#include <QString>

// Every page of the PDF in grey at the given resolution, in order (none when the file
// cannot be drawn).
QList<QImage> RenderPdfPages(const QString& pdf, int dpi);

// The value pdfinfo shows for the field ("Pages", "Page size", "Title"); empty without it.
QString PdfInfoField(const QString& pdf, const QString& field);
