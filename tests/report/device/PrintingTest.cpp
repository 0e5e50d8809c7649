// Pages on a printer (a 600-dpi PDF file): paper size, physical placement, page ranges,
// and printing the stored pages.

#include "DeviceTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PdfInfo {
  int pages = 0;
  QString pageSize;  // as pdfinfo states it, e.g. "612 x 792 pts (letter)"
};

PdfInfo ReadPdfInfo(const QString& file) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {file});
  pdfinfo.waitForFinished();
  const QString out = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  PdfInfo info;
  info.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out).captured(1).toInt();
  info.pageSize = QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)")).match(out).captured(1).trimmed();
  return info;
}

// Page 1 of the PDF rendered at 100 pixels per inch.
QImage RenderPdf(const QString& file) {
  const QString base = file + QStringLiteral("-page");
  QProcess::execute(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                     QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), file, base});
  return QImage(base + QStringLiteral(".png"));
}

// A one-inch black square one inch from the top-left corner of the paper.
void DrawInchSquare(TTsPrinter& device) {
  device.Canvas()->fillRect(device.XPos(254), device.YPos(254), device.XSize(254), device.YSize(254), Qt::black);
}

bool IsDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

class Printing : public ::testing::Test {
 protected:
  std::unique_ptr<TTsPrinter> PdfDevice(const QString& name) {
    auto device = std::make_unique<TTsPrinter>();
    device->Destination = TsDestination::Printer;
    device->Printer().setOutputFileName(dir_.filePath(name));
    device->Printer().setResolution(600);
    return device;
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(Printing, PaperSizeAndOrientationReachThePrinter) {
  struct Case {
    TTsPaperSize paper;
    TTsOrientation orientation;
    const char* expected;
  };
  const Case cases[] = {
      {TTsPaperSize::Letter, TTsOrientation::poPortrait, "612 x 792 pts (letter)"},
      {TTsPaperSize::Letter, TTsOrientation::poLandscape, "792 x 612 pts (letter)"},
      {TTsPaperSize::A4, TTsOrientation::poPortrait, "595 x 842 pts (A4)"},
      {TTsPaperSize::Note, TTsOrientation::poPortrait, "612 x 791 pts"},  // 279.0 mm, not Letter's 279.4
  };
  for (const Case& c : cases) {
    auto device = PdfDevice(QStringLiteral("paper.pdf"));
    device->PrinterSettings.paperSize = c.paper;
    device->PrinterSettings.orientation = c.orientation;
    device->BeginDoc();
    device->NewPage();
    DrawInchSquare(*device);
    device->EndDoc();
    const PdfInfo info = ReadPdfInfo(Path(QStringLiteral("paper.pdf")));
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.pageSize, QString::fromLatin1(c.expected)) << static_cast<int>(c.paper);
  }
}

TEST_F(Printing, ItemsLandAtTheirPhysicalPlaceWhateverThePrintingOffset) {
  auto device = PdfDevice(QStringLiteral("place.pdf"));
  device->Printer().setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  device->BeginDoc();
  device->NewPage();
  DrawInchSquare(*device);
  device->EndDoc();
  const QImage page = RenderPdf(Path(QStringLiteral("place.pdf")));
  ASSERT_EQ(page.size(), QSize(850, 1100));
  EXPECT_TRUE(IsDark(page, 103, 103));
  EXPECT_TRUE(IsDark(page, 197, 197));
  EXPECT_FALSE(IsDark(page, 97, 150));
  EXPECT_FALSE(IsDark(page, 150, 203));
}

TEST_F(Printing, OnlyPagesOfTheRangeArePrinted) {
  {  // first and last page 2 of a one-page document: nothing reaches the printer
    auto device = PdfDevice(QStringLiteral("none.pdf"));
    device->FirstPage = device->LastPage = 2;
    device->BeginDoc();
    device->NewPage();
    DrawInchSquare(*device);
    device->EndDoc();
    EXPECT_EQ(device->AvailablePages(), 1);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("none.pdf"))));
  }
  auto device = PdfDevice(QStringLiteral("range.pdf"));
  int afterPrint = 0;
  device->AfterPrint = [&] { ++afterPrint; };
  device->FirstPage = 2;
  device->LastPage = 3;
  device->BeginDoc();
  for (int n = 1; n <= 4; ++n) {
    device->NewPage();
    DrawSamplePage(*device, n);
  }
  device->EndDoc();
  EXPECT_EQ(device->AvailablePages(), 4);
  EXPECT_EQ(afterPrint, 1);
  EXPECT_EQ(ReadPdfInfo(Path(QStringLiteral("range.pdf"))).pages, 2);
}

TEST_F(Printing, StoredPagesFillThePrintableArea) {
  auto stored = std::make_unique<TTsPrinter>();
  stored->BeginDoc();
  for (int n = 1; n <= 3; ++n) {
    stored->NewPage();
    DrawInchSquare(*stored);
  }
  stored->EndDoc();
  stored->Printer().setOutputFileName(Path(QStringLiteral("stored.pdf")));
  stored->Printer().setResolution(600);
  stored->Printer().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
  stored->FirstPage = 2;
  stored->PrintStoredPages();
  EXPECT_EQ(ReadPdfInfo(Path(QStringLiteral("stored.pdf"))).pages, 2);
  const QImage page = RenderPdf(Path(QStringLiteral("stored.pdf")));
  ASSERT_EQ(page.size(), QSize(850, 1100));
  EXPECT_TRUE(IsDark(page, 103, 103));
  EXPECT_TRUE(IsDark(page, 197, 197));
  EXPECT_FALSE(IsDark(page, 96, 150));
  EXPECT_FALSE(IsDark(page, 150, 204));
}

TEST_F(Printing, ACancelledPrintStopsAfterItsPageAndTheNextPrintIsWhole) {
  auto stored = std::make_unique<TTsPrinter>();
  stored->BeginDoc();
  for (int n = 1; n <= 3; ++n) {
    stored->NewPage();
    DrawSamplePage(*stored, n);
  }
  stored->EndDoc();
  stored->Printer().setOutputFileName(Path(QStringLiteral("cancel.pdf")));
  // The progress window's Cancel, pressed while page 1 is being printed.
  QMetaObject::invokeMethod(stored.get(), [&] { stored->Cancel(); }, Qt::QueuedConnection);
  stored->PrintStoredPages();
  EXPECT_TRUE(stored->Cancelled());
  EXPECT_NE(ReadPdfInfo(Path(QStringLiteral("cancel.pdf"))).pages, 3);

  stored->PrintStoredPages();
  EXPECT_EQ(ReadPdfInfo(Path(QStringLiteral("cancel.pdf"))).pages, 3);
}

TEST_F(Printing, DefaultPaperTakesTheDriversSize) {
  auto device = PdfDevice(QStringLiteral("default.pdf"));
  device->Printer().setPageSize(QPageSize(QPageSize::A5));
  device->PrinterSettings.paperSize = TTsPaperSize::Default;
  device->Destination = TsDestination::PageStore;
  device->BeginDoc();
  device->NewPage();
  device->EndDoc();
  EXPECT_EQ(device->PrinterSettings.PaperWidth(), 1480);
  EXPECT_EQ(device->GetPage(1)->boundingRect().size(), QSize(device->XSize(1480), device->YSize(2100)));
}
