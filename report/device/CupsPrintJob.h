#pragma once
// Handing a finished PDF to a CUPS queue as one print job, through libcups, the interface
// CUPS itself provides. The job carries its name and the printer settings as job options:
// copies, sides (duplex), media (the paper) and media-source (the bin).

#include <QPageSize>
#include <QPrinter>
#include <QString>

struct PrintJobOptions {
  int copies = 1;
  QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
  QPageSize paper;
  QPrinter::PaperSource source = QPrinter::Auto;
};

PrintJobOptions PrintJobOptionsOf(const QPrinter& printer);

// Throws TsPrintError with CUPS's own reason when the queue does not take the job.
void SubmitPdfToCups(const QString& queue, const QString& pdfFile, const QString& jobName,
                     const PrintJobOptions& options);
