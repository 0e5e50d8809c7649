// The generation pass of a report: pages, bands and the items placed on the report, drawn
// on an output device in native units.

#include "report/device/TsPrinter.h"
#include "report/model/CanvasState.h"
#include "report/model/CustomReport.h"
#include "report/model/TsBand.h"
#include "report/model/TsPrintable.h"

#include <QPainter>
#include <QPrinterInfo>

#include <cmath>
#include <exception>

namespace {

long double Rounded(long double value) { return std::nearbyintl(value); }

// An expression giving the text (quotes doubled), as report variables hold texts.
QString QuotedText(const QString& text) {
  QString quoted = text;
  quoted.replace(u'\'', QStringLiteral("''"));
  return u'\'' + quoted + u'\'';
}

bool IsPageBand(TTsBandType type) {
  return type == TTsBandType::rbTitle || type == TTsBandType::rbPageHeader ||
         type == TTsBandType::rbPageFooter || type == TTsBandType::rbOverlay;
}

}  // namespace

void TCustomReport::CreateReport() {
  if (m_device == nullptr) throw TsPrintError(kPrinterNotReady);
  CreateReportOn(*m_device);
}

void TCustomReport::CreateReportOn(TTsPrinter& device) { GeneratePass(device, PassDocument::Own); }

void TCustomReport::BeginDocumentOn(TTsPrinter& device) {
  CopySettingsTo(device);
  device.BeginDoc();
}

void TCustomReport::AppendPassTo(TTsPrinter& device) {
  if (device.Status() != TsPrinterStatus::Busy) throw TsPrintError(kPrinterNotReady);
  GeneratePass(device, PassDocument::Open);
}

void TCustomReport::GeneratePass(TTsPrinter& device, PassDocument document) {
  if (!m_available) return;
  CheckMargins();
  m_available = false;
  m_cancelled = false;
  m_lastPage = false;
  m_headerJustPrinted = false;
  m_passDevice = &device;

  std::exception_ptr error;
  try {
    bool print = true;
    if (BeforePrint) BeforePrint(*this, print);
    if (print) RunPass(device, document);
  } catch (...) {
    error = std::current_exception();
  }
  if (document == PassDocument::Own) {
    try {
      if (Cancelled()) device.AbortDoc(); else device.EndDoc();
    } catch (...) {
      if (!error) error = std::current_exception();
    }
  }
  m_passDevice = nullptr;
  m_available = true;
  if (error) std::rethrow_exception(error);
}

// Margins that leave no room on the paper are set to 0, for this pass and after it.
void TCustomReport::CheckMargins() {
  if (PageValue(TTsPage::Width) - PageValue(TTsPage::LeftMargin) - PageValue(TTsPage::RightMargin) < 0) {
    m_page.StoreNative(TTsPage::LeftMargin, 0);
    m_page.StoreNative(TTsPage::RightMargin, 0);
  }
  if (PageValue(TTsPage::Length) - PageValue(TTsPage::TopMargin) - PageValue(TTsPage::BottomMargin) < 0) {
    m_page.StoreNative(TTsPage::TopMargin, 0);
    m_page.StoreNative(TTsPage::BottomMargin, 0);
  }
}

void TCustomReport::CopySettingsTo(TTsPrinter& device) const {
  TPrinterSettings& settings = device.PrinterSettings;
  if (PrinterSettings.PrinterIndex >= 0) {  // otherwise the system's default printer
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (PrinterSettings.PrinterIndex < printers.size()) settings.printerName = printers[PrinterSettings.PrinterIndex];
  }
  settings.paperSize = m_page.PaperSize();
  if (settings.paperSize == TTsPaperSize::Custom) {
    settings.customWidth = PageValue(TTsPage::Width);
    settings.customLength = PageValue(TTsPage::Length);
  }
  settings.orientation = m_page.Orientation();
  settings.copies = PrinterSettings.Copies;
  settings.outputBin = PrinterSettings.OutputBin;
  settings.duplex = PrinterSettings.Duplex;
  device.FirstPage = PrinterSettings.FirstPage;
  device.LastPage = PrinterSettings.LastPage;
  device.Title = ReportTitle;
  device.JobName = JobName();
  device.Compression = Options.Compression;
}

void TCustomReport::ForEachPrintable(const std::function<void(TTsPrintable&)>& action) {
  for (const auto& component : m_components) {
    if (auto* printable = dynamic_cast<TTsPrintable*>(component.get())) action(*printable);
  }
}

void TCustomReport::RunPass(TTsPrinter& device, PassDocument document) {
  const TTsUnit previousUnits = m_units;
  SetUnits(TTsUnit::Native);
  try {
    if (document == PassDocument::Own) BeginDocumentOn(device);
    m_currentY = -1;
    m_pageCount = 0;
    m_currentColumn = m_page.Columns();

    m_pageFooterSize = 0;
    for (const TTsBand* band : m_bands) {
      if (band->BandType == TTsBandType::rbPageFooter && band->Enabled) m_pageFooterSize += band->NativeHeight();
    }
    m_currentX = PageValue(TTsPage::LeftMargin);
    Functions[QStringLiteral("PAGENUMBER")] = QStringLiteral("0");
    Functions[QStringLiteral("COLUMNNUMBER")] = QStringLiteral("0");
    Functions[QStringLiteral("REPORTTITLE")] = QuotedText(ReportTitle);
    ForEachPrintable([&device](TTsPrintable& printable) { printable.Prepare(device); });

    Execute();

    m_currentX = PageValue(TTsPage::LeftMargin);
    m_lastPage = true;
    if (!Cancelled()) EndPage();
  } catch (...) {
    SetUnits(previousUnits);
    ForEachPrintable([](TTsPrintable& printable) { printable.Unprepare(); });
    throw;
  }
  SetUnits(previousUnits);
  ForEachPrintable([](TTsPrintable& printable) { printable.Unprepare(); });
}

void TCustomReport::Execute() { m_controller.Execute(*this); }

bool TCustomReport::Cancelled() const {
  return m_cancelled || (m_passDevice != nullptr && m_passDevice->Cancelled());
}

void TCustomReport::CancelPass() {
  m_cancelled = true;
  if (m_passDevice != nullptr) m_passDevice->Cancel();
}

long double TCustomReport::PaperLength() const {
  return m_passDevice->PrinterSettings.PaperLength();
}

long double TCustomReport::AvailableSpace() const {
  if (m_passDevice == nullptr || m_pageCount == 0) return 0;
  return Rounded(PaperLength() - PageValue(TTsPage::BottomMargin) - m_pageFooterSize - m_currentY);
}

void TCustomReport::MakeSpace(const TTsBand& band) {
  const long double height = Rounded(band.NativeHeight());
  const long double printable = PageValue(TTsPage::Length) -
                                (PageValue(TTsPage::TopMargin) + PageValue(TTsPage::BottomMargin));
  if (m_pageCount == 0 || (band.BandType != TTsBandType::rbPageFooter &&
                           AvailableSpace() < height && height <= printable)) {
    NewColumn();
  }
}

void TCustomReport::PrintBand(TTsBand& band) {
  if (m_passDevice == nullptr) return;
  if (band.AlignToBottom) {
    const long double bottom = Rounded(PaperLength() - PageValue(TTsPage::BottomMargin) -
                                       band.NativeHeight() - m_pageFooterSize);
    if (bottom > m_currentY) m_currentY = bottom;
  }
  bool printing = band.Enabled;
  if (band.BeforePrint) band.BeforePrint(band, printing);
  if (printing) {
    const bool forcible = !IsPageBand(band.BandType) && m_pageCount > 0;
    if (band.ForceNewPage && forcible) {
      if (!m_headerJustPrinted) {
        do NewColumn(); while (m_currentColumn != 1);
      }
    } else if (band.ForceNewColumn && forcible) {
      if (!m_headerJustPrinted) NewColumn();
    } else {
      MakeSpace(band);
    }
    PrintBandContents(band);
  }
  const bool header = band.BandType == TTsBandType::rbPageHeader ||
                      band.BandType == TTsBandType::rbColumnHeader;
  if (!header) m_headerJustPrinted = false;
  if (band.AfterPrint) band.AfterPrint(band, printing);
}

void TCustomReport::PrintBandContents(TTsBand& band) {
  if (band.Bound(TTsBand::Height) == 0 || !band.Enabled) return;
  TTsPrinter& device = *m_passDevice;
  QPainter& canvas = *device.Canvas();
  band.Expansion = 0;
  const int left = device.XPos(m_currentX);
  const int top = device.YPos(m_currentY);
  const int right = device.XPos(m_currentX + band.NativeWidth());
  FillArea(canvas, QRect(left, top, right - left, device.YPos(m_currentY + band.NativeHeight()) - top),
           band.Color);
  std::vector<TTsPrintable*> unfinished;
  for (TTsPrintable* item : band.Items()) {
    if (!item->IsEnabled()) continue;
    item->Print(m_currentX, m_currentY);
    if (!item->PrintFinished()) unfinished.push_back(item);
  }
  band.Frame.PaintIt(canvas, left, top, right,
                     device.YPos(m_currentY + band.NativeHeight() + band.Expansion + 1),
                     device.XFactor(), device.YFactor());
  if (!unfinished.empty()) {
    NewColumn();
    for (TTsPrintable* item : unfinished) item->Print(m_currentX, m_currentY);
  }
  m_currentY += Rounded(band.NativeHeight() + band.Expansion);
  band.Expansion = 0;
}

void TCustomReport::NewColumn() {
  if (m_currentColumn >= m_page.Columns()) {
    m_currentColumn = 1;
    m_currentX = PageValue(TTsPage::LeftMargin);
    NewPage();
  } else {
    const TTsBand* detail = BandOfType(TTsBandType::rbDetail);
    const int columns = m_page.Columns();
    const long double columnWidth =
        detail != nullptr
            ? detail->NativeWidth()
            : std::truncl((PageValue(TTsPage::Width) -
                           (PageValue(TTsPage::LeftMargin) + PageValue(TTsPage::RightMargin)) -
                           PageValue(TTsPage::ColumnSpace) * (columns - 1)) / columns);
    m_currentX += PageValue(TTsPage::ColumnSpace) + columnWidth;
    m_currentY = m_columnTop;
    ++m_currentColumn;
  }
  Functions[QStringLiteral("COLUMNNUMBER")] = QString::number(m_currentColumn);
  TTsBand* columnHeader = BandOfType(TTsBandType::rbColumnHeader);
  if (columnHeader != nullptr && !(m_currentColumn == 1 && m_pageCount == 1)) {
    PrintBand(*columnHeader);
    m_headerJustPrinted = true;
  }
}

void TCustomReport::NewPage() {
  if (m_passDevice == nullptr) return;
  EndPage();
  ++m_pageCount;
  Functions[QStringLiteral("PAGENUMBER")] = QString::number(m_pageCount);
  m_passDevice->NewPage();
  m_currentY = PageValue(TTsPage::TopMargin);
  if (OnStartPage) OnStartPage(*this);
  TTsBand* pageHeader = BandOfType(TTsBandType::rbPageHeader);
  if (pageHeader != nullptr && (m_pageCount > 1 || Options.FirstPageHeader)) {
    PrintBand(*pageHeader);
    m_headerJustPrinted = true;
  }
  m_columnTop = m_currentY;
  const TTsBand* title = BandOfType(TTsBandType::rbTitle);
  if (m_pageCount == 1 && title != nullptr) m_columnTop += title->NativeHeight();
}

void TCustomReport::EndPage() {
  if (m_passDevice == nullptr || m_pageCount == 0) return;
  TTsPrinter& device = *m_passDevice;
  m_currentY = Rounded(PageValue(TTsPage::Length) - PageValue(TTsPage::BottomMargin) - m_pageFooterSize);
  m_currentX = PageValue(TTsPage::LeftMargin);
  TTsBand* pageFooter = BandOfType(TTsBandType::rbPageFooter);
  if (pageFooter != nullptr && !(m_lastPage && !Options.LastPageFooter)) PrintBand(*pageFooter);
  for (TTsPrintable* item : m_items) {
    if (item->IsEnabled()) item->Print(0, 0);
  }
  Frame.PaintIt(*device.Canvas(), device.XPos(PageValue(TTsPage::LeftMargin)),
                device.YPos(PageValue(TTsPage::TopMargin)),
                device.XPos(PageValue(TTsPage::Width) - PageValue(TTsPage::RightMargin)),
                device.YPos(PageValue(TTsPage::Length) - PageValue(TTsPage::BottomMargin)),
                device.XFactor(), device.YFactor());
  if (OnEndPage) OnEndPage(*this);
}
