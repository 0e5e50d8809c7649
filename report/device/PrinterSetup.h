#pragma once
// Writing the device's printer settings into the platform printer, and reading back the
// printing offsets of its printable area.

#include "report/device/TsPrinter.h"

#include <QPageSize>
#include <QPrinter>

// The page size sent for the settings' paper: Qt's own size where it has the paper,
// otherwise a custom size from the paper table (or from the settings for Custom paper).
// Empty (invalid) for Default paper, which keeps the driver's size.
QPageSize PageSizeFor(const TPrinterSettings& settings);

QPrinter::PaperSource PaperSourceFor(TTsBin bin);

// Paper size, orientation, copies, duplex and paper source; a printer name when one is set.
// A printer queue's margins become its printable area's.
void ApplyPrinterSettings(QPrinter& printer, const TPrinterSettings& settings);

// For Default paper without a size of its own: takes the printer driver's paper size, in
// the settings' orientation, as the settings' width and length.
void TakeDriverPaperSize(TPrinterSettings& settings, const QPrinter& printer);

// The offset of the printable area inside the paper in native units (0.1 mm), rounded.
struct PrintingOffsets {
  long double left = 0;
  long double top = 0;
};
PrintingOffsets ReadPrintingOffsets(const QPrinter& printer);
