#include "report/preview/ReportPrintSetup.h"

#include "report/device/TsPrinter.h"
#include "report/model/CustomReport.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

void ShowPrintSetupDialog(TCustomReport& report, QWidget* parent) {
  TReportPrinterSettings& settings = report.PrinterSettings;
  const QStringList printers = QPrinterInfo::availablePrinterNames();
  QPrinter printer(QPrinter::HighResolution);
  if (settings.PrinterIndex >= 0 && settings.PrinterIndex < printers.size())
    printer.setPrinterName(printers[settings.PrinterIndex]);
  if (!settings.OutputFileName.isEmpty()) printer.setOutputFileName(settings.OutputFileName);
  printer.setPageOrientation(report.Page().Orientation() == TTsOrientation::poLandscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait);
  printer.setCopyCount(settings.Copies);

  const TTsPrinter* device = report.Device();
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName("PrintSetupDialog");
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (device && device->Status() == TsPrinterStatus::Finished) {
    dialog.setMinMax(1, device->PageCount());
    printer.setPrintRange(QPrinter::AllPages);
  } else {
    dialog.setMinMax(0, 9999);
  }
  if (dialog.exec() != QDialog::Accepted) return;

  settings.Copies = printer.copyCount();
  settings.PrinterIndex = printers.indexOf(printer.printerName());
  settings.OutputFileName = printer.outputFileName();
  report.Page().SetOrientation(printer.pageLayout().orientation() == QPageLayout::Landscape
                                   ? TTsOrientation::poLandscape
                                   : TTsOrientation::poPortrait);
  const bool range = printer.printRange() == QPrinter::PageRange;
  settings.FirstPage = range ? printer.fromPage() : 0;
  settings.LastPage = range ? printer.toPage() : 0;
}
