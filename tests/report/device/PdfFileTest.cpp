// The PDF file destination, which draws each page straight into the file, and the export of
// stored pages to PDF: the same pages either way, the file put in place only once the
// document is complete, and nothing left by a document given up or a write that failed.

#include "report/device/OutputFile.h"
#include "report/device/PdfExport.h"
#include "report/device/TsPageList.h"
#include "tests/report/support/PdfFiles.h"
#include "tests/report/support/SpecialFiles.h"
#include "tests/report/support/StoredDocuments.h"

#include "DeviceTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PdfFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files); }

  // A device that draws straight into the named file.
  std::unique_ptr<TTsPrinter> PdfDevice(const QString& name) const {
    auto device = std::make_unique<TTsPrinter>();
    device->Destination = TsDestination::PdfFile;
    device->PdfFileName = Path(name);
    return device;
  }

  QTemporaryDir dir_;
};

// Texts in the sizes and styles of the worksheets and beyond, each on a rule, placed by
// their baselines as the report's labels place them; rules and fills between them.
void DrawTextsAndRules(TTsPrinter& device, int n) {
  QPainter& canvas = *device.Canvas();
  const struct {
    int points;
    bool bold;
    bool italic;
  } fonts[] = {{7, false, false}, {8, false, false}, {8, true, false}, {9, false, true}, {10, false, false},
               {11, true, false}, {12, false, false}, {14, true, true}, {18, false, false}, {24, true, false}};
  long double top = 150;
  for (const auto& [points, bold, italic] : fonts) {
    QFont font(QStringLiteral("Liberation Sans"), points);
    font.setBold(bold);
    font.setItalic(italic);
    canvas.setFont(font);
    const int baseline = device.YPos(top) + canvas.fontMetrics().ascent();
    device.DrawTextLine(QPoint(device.XPos(120), baseline),
                        QStringLiteral("Page %1: DOE, JOHN A  123-45-6789  70.00 in, 26%  Äpfel gjqy").arg(n));
    canvas.setPen(QPen(Qt::black, device.XSize(3)));
    canvas.drawLine(device.XPos(100), baseline + 1, device.XPos(1900), baseline + 1);
    canvas.fillRect(device.XPos(1950), device.YPos(top), device.XSize(40), device.YSize(40), Qt::black);
    top += 2.2L * points * 25.4L / 7.2L;  // a little over two lines of the font, in 0.1 mm
  }
}

// A page that does not compress: the PDF grows by some 300 kB with each one.
void DrawNoise(TTsPrinter& device, int n) {
  QImage noise(320, 320, QImage::Format_RGB32);
  QRandomGenerator random(n);
  for (int y = 0; y < noise.height(); ++y)
    for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, random.generate());
  device.Canvas()->drawImage(0, 0, noise);
}

}  // namespace

TEST_F(PdfFileTest, DrawsThePagesTheStoreExportsPixelForPixel) {
  for (const auto& [paper, orientation] : {std::pair{TTsPaperSize::Letter, TTsOrientation::poPortrait},
                                           std::pair{TTsPaperSize::A4, TTsOrientation::poLandscape}}) {
    const std::unique_ptr<TTsPrinter> stored = StoreDocumentOf(2, DrawTextsAndRules, paper, orientation);
    ExportPdf(*stored, Path("exported.pdf"));

    const std::unique_ptr<TTsPrinter> straight = PdfDevice(QStringLiteral("straight.pdf"));
    straight->PrinterSettings.paperSize = paper;
    straight->PrinterSettings.orientation = orientation;
    straight->BeginDoc();
    for (int n = 1; n <= 2; ++n) {
      straight->NewPage();
      DrawTextsAndRules(*straight, n);
    }
    straight->EndDoc();
    EXPECT_EQ(straight->PageList(), nullptr);  // no page went through a store

    const QString size = PdfInfoField(Path("exported.pdf"), "Page size");
    EXPECT_TRUE(size == "612 x 792 pts (letter)" || size == "842 x 595 pts (A4)") << size.toStdString();
    EXPECT_EQ(PdfInfoField(Path("straight.pdf"), "Page size"), size);
    for (const int dpi : {72, 150}) {
      const QList<QImage> exported = RenderPdfPages(Path("exported.pdf"), dpi);
      const QList<QImage> drawn = RenderPdfPages(Path("straight.pdf"), dpi);
      ASSERT_EQ(exported.size(), 2);
      ASSERT_EQ(drawn.size(), 2);
      for (int page = 0; page < 2; ++page)
        EXPECT_TRUE(drawn[page] == exported[page]) << "page " << page + 1 << " at " << dpi << " dpi";
    }
  }
}

TEST_F(PdfFileTest, TheFileIsOpenedWithTheFirstPageUnderItsTitleAndPutInPlaceAtTheEnd) {
  WriteFileBytes(Path("week.pdf"), "an older PDF");
  ASSERT_EQ(::chmod(QFile::encodeName(Path("week.pdf")).constData(), 0640), 0);
  const std::unique_ptr<TTsPrinter> device = PdfDevice(QStringLiteral("week.pdf"));
  device->BeginDoc();
  EXPECT_EQ(Entries(), QStringList{"week.pdf"});
  device->Title = QStringLiteral("roster.csv");  // as a document of several reports names itself
  for (int n = 1; n <= 3; ++n) {
    device->NewPage();
    DrawSamplePage(*device, n);
    EXPECT_EQ(Entries().size(), 2);  // beside the older file, the one being written
    EXPECT_EQ(FileBytes(Path("week.pdf")), "an older PDF");
  }
  device->EndDoc();
  EXPECT_EQ(device->PageCount(), 3);
  EXPECT_EQ(Entries(), QStringList{"week.pdf"});
  EXPECT_EQ(PdfInfoField(Path("week.pdf"), "Pages"), "3");
  EXPECT_EQ(PdfInfoField(Path("week.pdf"), "Title"), "roster.csv");
  EXPECT_EQ(PdfInfoField(Path("week.pdf"), "Creator"), "Corvane 32");
  EXPECT_EQ(ModeOf(Path("week.pdf")) & 0777, 0640u);  // a replaced file keeps its mode
}

TEST_F(PdfFileTest, ADocumentGivenUpOrWithoutPagesWritesNothing) {
  WriteFileBytes(Path("kept.pdf"), "kept");
  {
    const std::unique_ptr<TTsPrinter> aborted = PdfDevice(QStringLiteral("kept.pdf"));
    aborted->BeginDoc();
    aborted->NewPage();
    DrawSamplePage(*aborted, 1);
    aborted->AbortDoc();
    EXPECT_EQ(aborted->Canvas(), nullptr);
  }
  {
    const std::unique_ptr<TTsPrinter> released = PdfDevice(QStringLiteral("kept.pdf"));
    released->BeginDoc();
    released->NewPage();
    DrawSamplePage(*released, 1);
  }
  const std::unique_ptr<TTsPrinter> empty = PdfDevice(QStringLiteral("empty.pdf"));
  empty->BeginDoc();
  empty->EndDoc();
  EXPECT_EQ(Entries(), QStringList{"kept.pdf"});
  EXPECT_EQ(FileBytes(Path("kept.pdf")), "kept");
}

TEST_F(PdfFileTest, AWriteThatFailsStopsTheDocumentAtTheNextPageAndLeavesNothing) {
  const std::unique_ptr<TTsPrinter> device = PdfDevice(QStringLiteral("large.pdf"));
  QString reason;
  {
    const FileSizeLimit limit(500000);
    device->BeginDoc();
    try {
      for (int n = 1; n <= 20; ++n) {
        device->NewPage();
        DrawNoise(*device, n);
      }
    } catch (const OutputFileError& error) {
      reason = error.reason;
    }
  }
  EXPECT_EQ(reason, "File too large");
  EXPECT_LT(device->PageCount(), 20);
  device->AbortDoc();
  EXPECT_EQ(Entries(), QStringList());
}

TEST_F(PdfFileTest, TheExportRefusesAPageThatCannotBeReadBackAndWritesNothing) {
  const std::unique_ptr<TTsPrinter> unfinished = StoreDocumentOf(1, DrawSamplePage, TTsPaperSize::Letter,
                                                                 TTsOrientation::poPortrait, false);
  ExportPdf(*unfinished, Path("early.pdf"));
  EXPECT_EQ(Entries(), QStringList());  // before the document has finished, silently nothing

  // Pages larger than the block the store reads ahead, so that its file is read afresh for
  // each page; one is damaged there once the store has written it out.
  const std::unique_ptr<TTsPrinter> device = StoreDocumentOf(2, DrawManyShortLines);
  ASSERT_NE(device->GetPage(1), nullptr);
  ASSERT_TRUE(DamageSpilledPages(*device, 290000));
  std::string refusal;
  try {
    ExportPdf(*device, Path("damaged.pdf"));
  } catch (const TsPrintError& error) {
    refusal = error.what();
  }
  EXPECT_EQ(refusal, "Page 1 cannot be read back from the page store; the PDF is not written.");
  EXPECT_EQ(Entries(), QStringList());
}
