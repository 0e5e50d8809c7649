// Generation passes rendered to images: pages, margins, items on the report, the report
// frame, and a pass that fails.

#include "ReportTestSupport.h"

#include <QImageReader>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TReport> FramedReport() {
  auto report = NewLetterReport();
  report->Frame.DrawTop = report->Frame.DrawBottom = true;
  report->Frame.DrawLeft = report->Frame.DrawRight = true;
  report->AddBand(QStringLiteral("TitleBand1"), TTsBandType::rbTitle);
  return report;
}

TTsShape& PlaceShape(TReport& report, const QString& name, TTsShapeType type, QRect bounds) {
  TTsShape& shape = report.AddShape(name);
  shape.Shape = type;
  shape.SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
  return shape;
}

// The smallest rectangle holding every dark pixel of the area.
QRect DarkBounds(const QImage& image, QRect area) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (IsDark(image, x, y)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

TEST(Generation, OnePageWithTheFrameAlongTheMargins) {
  auto report = FramedReport();
  auto device = GenerateIntoStore(*report);
  EXPECT_EQ(report->PageCount(), 1);
  EXPECT_EQ(device->AvailablePages(), 1);
  EXPECT_EQ(device->GetPage(2), nullptr);
  EXPECT_EQ(report->Functions.value(QStringLiteral("PAGENUMBER")), QStringLiteral("1"));
  EXPECT_TRUE(report->Available());
  EXPECT_EQ(report->Units(), TTsUnit::Inches);  // the pass's Native units are undone

  const QImage page = RenderStoredPage(*device, 1);
  ASSERT_EQ(page.size(), QSize(816, 1056));
  // One pixel thick at 96 pixels per inch, inside the margin rectangle 48..768 x 48..1008.
  EXPECT_EQ(DarkRunDown(page, 400, 40), 0);
  EXPECT_EQ(DarkRunDown(page, 400, 48), 1);
  EXPECT_EQ(DarkRunDown(page, 400, 1007), 1);
  EXPECT_TRUE(IsDark(page, 48, 500));
  EXPECT_FALSE(IsDark(page, 49, 500));
  EXPECT_TRUE(IsDark(page, 767, 500));
  EXPECT_FALSE(IsDark(page, 768, 500));
}

TEST(Generation, MarginsLargerThanThePaperBecomeZero) {
  auto report = FramedReport();
  report->Page().SetValues({1500, 2794, 1500, 2159, 127, 127, 0});  // top + bottom > length
  auto device = GenerateIntoStore(*report);
  EXPECT_EQ(report->Page().Native(TTsPage::TopMargin), 0);
  EXPECT_EQ(report->Page().Native(TTsPage::BottomMargin), 0);
  EXPECT_EQ(report->Page().Native(TTsPage::LeftMargin), 127);
  const QImage page = RenderStoredPage(*device, 1);
  ASSERT_FALSE(page.isNull());
  EXPECT_TRUE(IsDark(page, 400, 0));
  EXPECT_TRUE(IsDark(page, 400, 1055));
  EXPECT_TRUE(IsDark(page, 48, 500));
}

TEST(Generation, AReportWithoutBandsProducesNoPage) {
  auto report = NewLetterReport();
  report->Frame.DrawTop = true;
  PlaceLabel(*report, QStringLiteral("Lonely"), {100, 100, 100, 20}, QStringLiteral("Text"));
  auto device = GenerateIntoStore(*report);
  EXPECT_EQ(report->PageCount(), 0);
  EXPECT_EQ(device->PageCount(), 0);
  EXPECT_EQ(device->GetPage(1), nullptr);
}

TEST(Generation, ItemsOnTheReportPrintAtPaperCoordinatesInOrder) {
  auto report = FramedReport();
  // At Top 0, above the top margin, and crossing the margin line, which the frame covers.
  TTsLabel& top = PlaceLabel(*report, QStringLiteral("Top"), {200, 0, 100, 60}, QString());
  top.Color = Qt::red;
  // A later opaque label covers part of an earlier one.
  TTsLabel& under = PlaceLabel(*report, QStringLiteral("Under"), {100, 300, 100, 20}, QString());
  under.Color = Qt::blue;
  PlaceLabel(*report, QStringLiteral("Over"), {150, 300, 100, 20}, QString());
  // A horizontal line is drawn across the box's middle, its end point excluded.
  PlaceShape(*report, QStringLiteral("Rule"), TTsShapeType::tsHorLine, {48, 113, 720, 14});
  PlaceShape(*report, QStringLiteral("Column"), TTsShapeType::tsVertLine, {600, 200, 9, 50});

  auto device = GenerateIntoStore(*report);
  const QImage page = RenderStoredPage(*device, 1);
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.pixel(250, 0), QColor(Qt::red).rgb());
  EXPECT_EQ(page.pixel(250, 47), QColor(Qt::red).rgb());
  EXPECT_EQ(page.pixel(250, 48), QColor(Qt::black).rgb());
  EXPECT_EQ(page.pixel(250, 59), QColor(Qt::red).rgb());

  EXPECT_EQ(page.pixel(120, 305), QColor(Qt::blue).rgb());
  EXPECT_EQ(page.pixel(160, 305), QColor(Qt::white).rgb());

  EXPECT_EQ(DarkRunDown(page, 300, 119), 0);
  EXPECT_EQ(DarkRunDown(page, 300, 120), 1);
  EXPECT_TRUE(IsDark(page, 766, 120));
  EXPECT_EQ(DarkRunDown(page, 604, 199), 0);
  EXPECT_EQ(DarkRunDown(page, 604, 200), 50);
}

// A rectangle or a circle covers the pixels from XPos(L), YPos(T) up to, not including,
// XPos(L + W), YPos(T + H), as lines end: 50 x 30 pixels for a 50 x 30 pixel shape.
TEST(Generation, RectanglesAndCirclesCoverTheirBoxExactly) {
  auto report = NewLetterReport();
  report->AddBand(QStringLiteral("TitleBand1"), TTsBandType::rbTitle);
  PlaceShape(*report, QStringLiteral("Box"), TTsShapeType::tsRectangle, {100, 300, 50, 30});
  PlaceShape(*report, QStringLiteral("Ring"), TTsShapeType::tsCircle, {300, 300, 50, 30});

  auto device = GenerateIntoStore(*report);
  const QImage page = RenderStoredPage(*device, 1);
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(DarkBounds(page, QRect(90, 290, 80, 50)), QRect(100, 300, 50, 30));
  EXPECT_EQ(DarkBounds(page, QRect(290, 290, 80, 50)), QRect(300, 300, 50, 30));
  EXPECT_FALSE(IsDark(page, 125, 315));  // filled with the white brush
}

TEST(Generation, AFailingPassEndsCleanlyAndReportsTheError) {
  auto report = FramedReport();
  TTsPrinter device;
  report->CreateReportOn(device);  // the device is now finished, not ready
  try {
    report->CreateReportOn(device);
    FAIL() << "a finished device was accepted";
  } catch (const TsPrintError& error) {
    EXPECT_STREQ(error.what(), "Printer not ready");
  }
  EXPECT_TRUE(report->Available());
  EXPECT_EQ(report->Units(), TTsUnit::Inches);
  EXPECT_THROW(report->CreateReport(), TsPrintError);  // no current device
  auto again = GenerateIntoStore(*report);
  EXPECT_EQ(again->AvailablePages(), 1);
}

TEST(Generation, TheFrameIsEightPixelsThickOnA600DpiPrinter) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("frame.pdf"));
  auto report = FramedReport();
  TTsPrinter device;
  device.Destination = TsDestination::Printer;
  device.Printer().setOutputFileName(pdf);
  device.Printer().setResolution(600);
  device.Printer().setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  report->CreateReportOn(device);

  const QString base = dir.filePath(QStringLiteral("frame"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"),
                               QStringLiteral("-singlefile"), pdf, base}),
            0);
  QImageReader::setAllocationLimit(512);  // a Letter page at 600 dpi
  QImage page(base + QStringLiteral(".pgm"));
  ASSERT_EQ(page.size(), QSize(5100, 6600));
  // The top side at the 0.5-inch margin (300 pixels), the left side likewise.
  EXPECT_EQ(DarkRunDown(page, 2500, 292), 0);
  EXPECT_EQ(DarkRunDown(page, 2500, 300), 8);
  int left = 0;
  while (left < 400 && !IsDark(page, left, 3000)) ++left;
  EXPECT_EQ(left, 300);
  int thickness = 0;
  while (IsDark(page, left + thickness, 3000)) ++thickness;
  EXPECT_EQ(thickness, 8);
}

// Loaded page files pass a check of every drawing command; whatever the engine draws must
// pass it, or a saved report could not be loaded again.
TEST(Generation, EveryKindOfItemLoadsBackFromAPageFile) {
  auto report = FramedReport();
  report->Frame.Style = Qt::DashDotLine;
  const Qt::PenStyle penStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                    Qt::DashDotDotLine, Qt::NoPen};
  for (int i = 0; i < 6 * 15; ++i) {
    TTsShape& shape = report->AddShape(QStringLiteral("Shape%1").arg(i));
    shape.SetBounds(60 + (i % 10) * 70, 60 + (i / 10) * 50, 60, 40);
    shape.Shape = static_cast<TTsShapeType>(i % 6);
    shape.Pen = {QColor::fromRgb(i * 2, 0, 255 - i * 2), 1 + i % 3, penStyles[(i / 6) % 6]};
    shape.Brush = {Qt::darkGreen, static_cast<Qt::BrushStyle>(i % 15)};
  }
  for (int i = 0; i < 4; ++i) {
    TTsLabel& label = PlaceLabel(*report, QStringLiteral("Label%1").arg(i), QRect(60 + i * 170, 560, 160, 40),
                                 QStringLiteral("Label ß %1 wraps across its box").arg(i));
    TTsFont font = PinnedFont(8 + i * 2);
    font.bold = i % 2 == 1;
    font.underline = i >= 2;
    font.color = i == 3 ? Qt::red : Qt::black;
    label.SetFont(font);
    label.SetAlignment(static_cast<TTsAlignment>(i % 3));
    label.Transparent = i == 0;
    label.Frame.DrawTop = label.Frame.DrawLeft = true;
    label.Frame.Style = penStyles[i];
  }
  auto generated = GenerateIntoStore(*report);
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("items.tsr"));
  generated->SaveToFile(file);
  TTsPrinter loaded;
  ASSERT_NO_THROW(loaded.LoadFromFile(file));
  const QImage page = RenderStoredPage(*generated, 1);
  EXPECT_TRUE(AnyDark(page, QRect(60, 60, 700, 500)));
  EXPECT_EQ(RenderStoredPage(loaded, 1), page);
}
