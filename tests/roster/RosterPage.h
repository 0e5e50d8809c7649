#pragma once
// The worksheet of an assessment as a roster's document holds it, drawn for comparing pixel
// for pixel.

#include "report/device/TsPrinter.h"
#include "roster/WorksheetDocument.h"
#include "tests/report/support/StoredDocuments.h"

#include <QImage>

// Null unless the document is one page.
inline QImage RosterPage(const Assessment& assessment) {
  TTsPrinter device;
  WorksheetDocument document(device, "roster.csv");
  document.Append(assessment);
  document.Finish();
  return device.PageCount() == 1 ? RenderDevicePage(device, 1) : QImage();
}
