#pragma once
// A print job spooled to a PDF and handed over only once it is complete. Qt cannot abort
// a print job on Linux: ending a painter on a printer submits whatever was drawn. So the
// sheets go into a PDF first; finishing submits it to the printer's CUPS queue (or, when
// the printer prints to a file, puts it in place of that file), and a spool released
// unfinished leaves nothing behind: no job, no file.

#include "report/device/CupsPrintJob.h"

#include <QPainter>
#include <QSize>
#include <QString>

#include <memory>

class OutputFile;
class QPdfWriter;
class QPrinter;
class QTemporaryFile;

class TsPrintSpool {
 public:
  // Starts the document with the printer's page layout and resolution, so that sheets are
  // drawn exactly as on the printer. Throws TsPrintError when the spool file cannot be
  // created.
  TsPrintSpool(const QPrinter& printer, const QString& jobName);
  ~TsPrintSpool();
  TsPrintSpool(const TsPrintSpool&) = delete;
  TsPrintSpool& operator=(const TsPrintSpool&) = delete;

  // The canvas of the current sheet; every sheet starts with a fresh painter state.
  QPainter& Canvas() { return canvas_; }
  // A sheet's printable area in device pixels.
  QSize SheetSize() const;
  void NewSheet();
  // Submits the document, or puts the file in place; throws TsPrintError in the words of
  // the print system or of the file system.
  void Finish();

 private:
  void EndCanvas();

  QString queue_;  // empty when printing to a file
  QString jobName_;
  PrintJobOptions options_;
  std::unique_ptr<QTemporaryFile> spool_;  // the job for the queue
  std::unique_ptr<OutputFile> target_;     // or the file printed to
  std::unique_ptr<QPdfWriter> writer_;
  QPainter canvas_;
};
