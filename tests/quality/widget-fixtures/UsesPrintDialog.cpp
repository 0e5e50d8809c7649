// A library that makes a print dialog, a widget of Qt PrintSupport, for the test that the
// widget check sees it.
#include <QPrintDialog>
#include <QPrinter>

void OfferPageRange(QPrinter& printer) {
  QPrintDialog dialog(&printer);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
}
