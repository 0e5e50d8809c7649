#pragma once
// The state of an output device, shared by the files that implement TTsPrinter.

#include "report/device/PdfDocument.h"
#include "report/device/PrintSpool.h"
#include "report/device/TsPrinter.h"
#include "report/device/TsPageList.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <memory>

struct TTsPrinter::Impl {
  // Declared before the painters, so that a painter still active on it ends first.
  std::unique_ptr<QPrinter> printer;
  bool printerInstalled = false;

  TsPrinterStatus status = TsPrinterStatus::Ready;
  int pageNumber = 0;
  int pageCount = 0;
  int availablePages = 0;
  int progress = 0;
  long double xFactor = 0;
  long double yFactor = 0;
  long double leftWaste = 0;
  long double topWaste = 0;
  bool cancelled = false;
  bool loadedFromFile = false;

  std::unique_ptr<TTsPageList> store;
  // The open page: a page of the store, or a throw-away page outside the printed range.
  std::unique_ptr<QPicture> picture;
  QPainter pictureCanvas;
  // The print job being drawn, from its first sheet until it is finished or abandoned.
  std::unique_ptr<TsPrintSpool> spool;
  bool drawingOnPrinter = false;
  // The PDF file destination's document, from its first page until it is finished or
  // abandoned.
  std::unique_ptr<PdfDocument> pdf;
};
