#include "report/device/PrintSpool.h"

#include "report/device/OutputFile.h"
#include "report/device/TsPrintError.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>

TsPrintSpool::TsPrintSpool(const QPrinter& printer, const QString& jobName)
    : jobName_(jobName), options_(PrintJobOptionsOf(printer)) {
  if (printer.outputFileName().isEmpty()) {
    queue_ = printer.printerName();
    if (queue_.isEmpty()) throw TsPrintError(kPrinterNotReady);
    spool_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/corvane-print-XXXXXX.pdf"));
    if (!spool_->open())
      throw TsPrintError(QStringLiteral("The print job cannot be spooled: %1").arg(spool_->errorString()));
  } else {
    // A file is written beside the target and put in its place once complete.
    target_ = std::make_unique<OutputFile>(printer.outputFileName());
    target_->Open();
  }
  writer_ = std::make_unique<QPdfWriter>(target_ ? static_cast<QIODevice*>(target_.get()) : spool_.get());
  writer_->setTitle(jobName);
  writer_->setCreator(QStringLiteral("Corvane 32"));
  writer_->setResolution(printer.resolution());
  writer_->setPageLayout(printer.pageLayout());
  if (!canvas_.begin(writer_.get())) throw TsPrintError(kPrinterNotReady);
  canvas_.save();
}

TsPrintSpool::~TsPrintSpool() {
  // Unfinished: the spool file is removed, a file target is left as it was.
  EndCanvas();
}

QSize TsPrintSpool::SheetSize() const { return {writer_->width(), writer_->height()}; }

void TsPrintSpool::NewSheet() {
  canvas_.restore();
  writer_->newPage();
  canvas_.save();
}

void TsPrintSpool::EndCanvas() {
  if (!canvas_.isActive()) return;
  canvas_.restore();
  canvas_.end();
}

void TsPrintSpool::Finish() {
  EndCanvas();
  if (target_) {
    target_->Commit();
    return;
  }
  // A write that failed on the way fails the job, however the last one went.
  if (!spool_->flush() || spool_->error() != QFileDevice::NoError)
    throw TsPrintError(QStringLiteral("The print job cannot be spooled: %1").arg(spool_->errorString()));
  SubmitPdfToCups(queue_, spool_->fileName(), jobName_, options_);
}
