// Pages on a 600-dpi PDF printer: paper size, physical placement, page ranges, the
// stored pages printed, cancelled and printed again, and a document abandoned midway.

#include "DeviceTestSupport.h"
#include "report/device/TsPrintError.h"
#include "tests/report/support/StoredDocuments.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString PdfInfo(const QString& file, const char* field) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {file});
  pdfinfo.waitForFinished();
  const QRegularExpression line(QStringLiteral("%1:\\s+([^\\n]+)").arg(QString::fromLatin1(field)));
  return line.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).trimmed();
}

// Page 1 of the PDF at 100 pixels per inch.
QImage RenderPdf(const QString& file) {
  QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                                 QStringLiteral("-singlefile"), file, file});
  return QImage(file + QStringLiteral(".png"));
}

// A one-inch black square one inch from the top-left corner of the paper.
void DrawInchSquare(TTsPrinter& device) {
  device.Canvas()->fillRect(device.XPos(254), device.YPos(254), device.XSize(254), device.YSize(254), Qt::black);
}

// The square of DrawInchSquare, on a page rendered at 100 pixels per inch, and nothing around it.
void ExpectInchSquare(const QImage& page) {
  ASSERT_EQ(page.size(), QSize(850, 1100));
  const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  EXPECT_TRUE(dark(103, 103) && dark(197, 197));
  EXPECT_FALSE(dark(96, 150) || dark(150, 204));
}

class Printing : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  std::unique_ptr<TTsPrinter> PdfDevice(const char* name) {
    auto device = std::make_unique<TTsPrinter>();
    device->Destination = TsDestination::Printer;
    device->Printer().setOutputFileName(Path(name));
    device->Printer().setResolution(600);
    return device;
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(Printing, PaperSizeAndOrientationReachThePrinter) {
  const std::tuple<TTsPaperSize, TTsOrientation, const char*> cases[] = {
      {TTsPaperSize::Letter, TTsOrientation::poPortrait, "612 x 792 pts (letter)"},
      {TTsPaperSize::Letter, TTsOrientation::poLandscape, "792 x 612 pts (letter)"},
      {TTsPaperSize::Note, TTsOrientation::poPortrait, "612 x 791 pts"},  // 279.0 mm, not Letter
  };
  for (const auto& [paper, orientation, expected] : cases) {
    auto device = PdfDevice("paper.pdf");
    device->PrinterSettings.paperSize = paper;
    device->PrinterSettings.orientation = orientation;
    device->BeginDoc();
    device->NewPage();
    device->EndDoc();
    EXPECT_EQ(PdfInfo(Path("paper.pdf"), "Page size"), QString::fromLatin1(expected));
  }
}

TEST_F(Printing, ItemsLandAtTheirPhysicalPlaceWhateverThePrintingOffset) {
  auto device = PdfDevice("place.pdf");
  device->Printer().setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  device->BeginDoc();
  device->NewPage();
  DrawInchSquare(*device);
  device->EndDoc();
  ExpectInchSquare(RenderPdf(Path("place.pdf")));
}

TEST_F(Printing, OnlyPagesOfTheRangeArePrinted) {
  auto none = PdfDevice("none.pdf");
  none->FirstPage = none->LastPage = 2;
  none->BeginDoc();
  none->NewPage();
  DrawInchSquare(*none);
  none->EndDoc();
  EXPECT_EQ(none->AvailablePages(), 1);
  EXPECT_FALSE(QFile::exists(Path("none.pdf")));

  auto device = PdfDevice("range.pdf");
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
  EXPECT_EQ(PdfInfo(Path("range.pdf"), "Pages"), QStringLiteral("2"));
}

TEST_F(Printing, StoredPagesFillThePrintableAreaAndACancelStopsOnlyItsOwnPrint) {
  auto stored = std::make_unique<TTsPrinter>();
  stored->BeginDoc();
  for (int n = 1; n <= 3; ++n) {
    stored->NewPage();
    DrawInchSquare(*stored);
  }
  stored->EndDoc();
  QPrinter& printer = stored->Printer();
  printer.setOutputFileName(Path("stored.pdf"));
  printer.setResolution(600);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);

  // The progress window's Cancel, pressed while page 1 is being printed: no file at all.
  QMetaObject::invokeMethod(stored.get(), [&] { stored->Cancel(); }, Qt::QueuedConnection);
  stored->PrintStoredPages();
  EXPECT_FALSE(QFile::exists(Path("stored.pdf")));
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

  stored->FirstPage = 2;
  stored->PrintStoredPages();
  EXPECT_EQ(PdfInfo(Path("stored.pdf"), "Pages"), QStringLiteral("2"));
  ExpectInchSquare(RenderPdf(Path("stored.pdf")));
}

TEST_F(Printing, AStoredPageThatCannotBeReadBackPrintsNothing) {
  // Pages larger than the block the store reads ahead, so its file is read afresh for each
  // page; page 2 is damaged there once the store has written it out.
  const std::unique_ptr<TTsPrinter> stored = StoreDocumentOf(2, DrawManyShortLines);
  ASSERT_NE(stored->GetPage(2), nullptr);
  ASSERT_TRUE(DamageSpilledPages(*stored, -100000));
  ASSERT_EQ(stored->GetPage(2), nullptr);
  ASSERT_NE(stored->GetPage(1), nullptr);

  stored->Printer().setOutputFileName(Path("damaged.pdf"));
  std::string refusal;
  try {
    stored->PrintStoredPages();
  } catch (const TsPrintError& error) {
    refusal = error.what();
  }
  EXPECT_EQ(refusal, "Page 2 cannot be read back from the page store; nothing is printed.");
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

namespace {

QStringList warnings;
void KeepWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtDebugMsg) warnings << text;
}

}  // namespace

TEST_F(Printing, AnAbortedDocumentLeavesTheFileItReplacesAndNoPainterState) {
  WriteFileBytes(Path("kept.pdf"), "an earlier document");
  auto device = PdfDevice("kept.pdf");
  device->BeginDoc();
  for (int n = 1; n <= 2; ++n) {
    device->NewPage();
    DrawInchSquare(*device);
  }
  warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(KeepWarning);
  device->AbortDoc();
  qInstallMessageHandler(previous);
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
  EXPECT_EQ(FileBytes(Path("kept.pdf")), QByteArray("an earlier document"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.pdf")});
}

TEST_F(Printing, AnEmptyDocumentCountsOnePageAtItsEnd) {
  auto device = PdfDevice("empty.pdf");
  device->BeginDoc();
  device->EndDoc();
  EXPECT_EQ(device->AvailablePages(), 1);
  EXPECT_EQ(device->PageCount(), 0);
}
