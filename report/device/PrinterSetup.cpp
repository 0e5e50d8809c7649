#include "report/device/PrinterSetup.h"

#include "report/device/HalfEven.h"
#include "report/device/NativeUnits.h"

#include <cmath>

namespace {

// Qt's size for a paper code counts as the same paper within this tolerance.
constexpr qreal kSameSizeMillimetres = 0.1;

bool SameSize(QSizeF a, QSizeF b) {
  return std::abs(a.width() - b.width()) <= kSameSizeMillimetres &&
         std::abs(a.height() - b.height()) <= kSameSizeMillimetres;
}

QPageSize CustomPageSize(QSizeF millimetres, const QString& name) {
  return QPageSize(millimetres, QPageSize::Millimeter, name, QPageSize::ExactMatch);
}

}  // namespace

long double TPrinterSettings::PaperWidth() const {
  const auto fixed = PaperSizeMillimetres(paperSize);
  if (!fixed) return customWidth;
  return (orientation == TTsOrientation::poPortrait ? fixed->width : fixed->length) * kNativePerMillimetre;
}

long double TPrinterSettings::PaperLength() const {
  const auto fixed = PaperSizeMillimetres(paperSize);
  if (!fixed) return customLength;
  return (orientation == TTsOrientation::poPortrait ? fixed->length : fixed->width) * kNativePerMillimetre;
}

QPageSize PageSizeFor(const TPrinterSettings& settings) {
  if (settings.paperSize == TTsPaperSize::Default) return {};
  if (settings.paperSize == TTsPaperSize::Custom) {
    if (settings.customWidth <= 0 || settings.customLength <= 0) return {};
    const QSizeF size(static_cast<qreal>(settings.customWidth) / kNativePerMillimetre,
                      static_cast<qreal>(settings.customLength) / kNativePerMillimetre);
    return CustomPageSize(size, QStringLiteral("Custom"));
  }
  const PaperMillimetres table = *PaperSizeMillimetres(settings.paperSize);
  const QSizeF tableSize(table.width, table.length);
  const QPageSize known(QPageSize::id(PaperCode(settings.paperSize)));
  if (known.isValid() && SameSize(known.size(QPageSize::Millimeter), tableSize)) return known;
  return CustomPageSize(tableSize, QStringLiteral("Paper %1").arg(PaperCode(settings.paperSize)));
}

QPrinter::PaperSource PaperSourceFor(TTsBin bin) {
  switch (bin) {
    case TTsBin::First:
    case TTsBin::Upper: return QPrinter::Upper;
    case TTsBin::Lower: return QPrinter::Lower;
    case TTsBin::Middle: return QPrinter::Middle;
    case TTsBin::Manual: return QPrinter::Manual;
    case TTsBin::Envelope: return QPrinter::Envelope;
    case TTsBin::EnvManual: return QPrinter::EnvelopeManual;
    case TTsBin::Auto: return QPrinter::Auto;
    case TTsBin::Tractor: return QPrinter::Tractor;
    case TTsBin::SmallFormat: return QPrinter::SmallFormat;
    case TTsBin::LargeFormat: return QPrinter::LargeFormat;
    case TTsBin::LargeCapacity: return QPrinter::LargeCapacity;
    case TTsBin::Cassette:
    case TTsBin::Last: return QPrinter::Cassette;
  }
  return QPrinter::Auto;
}

void ApplyPrinterSettings(QPrinter& printer, const TPrinterSettings& settings) {
  if (!settings.printerName.isEmpty() && settings.printerName != printer.printerName())
    printer.setPrinterName(settings.printerName);
  const QPageSize pageSize = PageSizeFor(settings);
  if (pageSize.isValid()) printer.setPageSize(pageSize);
  printer.setPageOrientation(settings.orientation == TTsOrientation::poLandscape ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
  // Qt starts a printer with margins of its own; a queue's printable area is what the
  // printer can print. (A print-to-file target keeps the margins it was given.)
  if (printer.outputFileName().isEmpty())
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
  printer.setCopyCount(settings.copies);
  printer.setDuplex(settings.duplex ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
  printer.setPaperSource(PaperSourceFor(settings.outputBin));
}

void TakeDriverPaperSize(TPrinterSettings& settings, const QPrinter& printer) {
  if (settings.paperSize != TTsPaperSize::Default || (settings.customWidth > 0 && settings.customLength > 0)) return;
  QSizeF size = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
  if (settings.orientation == TTsOrientation::poLandscape) size.transpose();
  settings.customWidth = static_cast<long double>(size.width()) * kNativePerMillimetre;
  settings.customLength = static_cast<long double>(size.height()) * kNativePerMillimetre;
}

PrintingOffsets ReadPrintingOffsets(const QPrinter& printer) {
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
  const int dpiX = printer.logicalDpiX();
  const int dpiY = printer.logicalDpiY();
  if (dpiX <= 0 || dpiY <= 0) return {};
  return {static_cast<long double>(RoundHalfEven((printable.left() - paper.left()) / dpiX * kNativePerInch)),
          static_cast<long double>(RoundHalfEven((printable.top() - paper.top()) / dpiY * kNativePerInch))};
}
