#pragma once
// The printer settings a report carries and copies to its output device for each pass.

#include "report/device/PaperSizes.h"

#include <QString>

struct TReportPrinterSettings {
  int Copies = 1;
  bool Duplex = false;
  int FirstPage = 0;  // 0: no limit at that end
  int LastPage = 0;   // 0: no limit at that end
  TTsBin OutputBin = TTsBin::Auto;
  int PrinterIndex = -1;  // not stored; -1 is the system's default printer
  QString OutputFileName;  // the print dialog's print-to-file choice; empty: the printer
};
