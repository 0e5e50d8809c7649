#include "report/device/PrintSpool.h"

#include "report/device/TsPrintError.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

TsPrintSpool::TsPrintSpool(const QPrinter& printer, const QString& jobName)
    : jobName_(jobName), options_(PrintJobOptionsOf(printer)) {
  if (printer.outputFileName().isEmpty()) {
    queue_ = printer.printerName();
    if (queue_.isEmpty()) throw TsPrintError(kPrinterNotReady);
    auto spool = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/corvane-print-XXXXXX.pdf"));
    if (!spool->open())
      throw TsPrintError(QStringLiteral("The print job cannot be spooled: %1").arg(spool->errorString()));
    file_ = std::move(spool);
  } else {
    // Written beside the target and renamed over it once complete.
    auto target = std::make_unique<QSaveFile>(printer.outputFileName());
    if (!target->open(QIODevice::WriteOnly))
      throw TsPrintError(QStringLiteral("The file %1 cannot be created: %2").arg(printer.outputFileName(), target->errorString()));
    file_ = std::move(target);
  }
  writer_ = std::make_unique<QPdfWriter>(file_.get());
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
  if (auto* target = dynamic_cast<QSaveFile*>(file_.get())) target->cancelWriting();
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
  if (auto* target = dynamic_cast<QSaveFile*>(file_.get())) {
    if (!target->commit())
      throw TsPrintError(QStringLiteral("The file %1 cannot be written: %2").arg(target->fileName(), target->errorString()));
    return;
  }
  if (!file_->flush())
    throw TsPrintError(QStringLiteral("The print job cannot be spooled: %1").arg(file_->errorString()));
  SubmitPdfToCups(queue_, file_->fileName(), jobName_, options_);
}
