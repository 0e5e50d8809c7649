// Units, paper and the pixel bounds kept in step with native sizes.

#include "ReportTestSupport.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(Units, NativeValuesReadAndWriteInTheHolderUnit) {
  TTsPage page;
  ASSERT_TRUE(page.SetValues({127, 2794, 127, 2159, 127, 127, 0}));
  page.SetUnits(TTsUnit::Inches);
  EXPECT_EQ(page.Value(TTsPage::TopMargin), 0.5L);
  page.SetUnits(TTsUnit::MM);
  EXPECT_EQ(page.Value(TTsPage::TopMargin), 12.7L);
  page.SetUnits(TTsUnit::Pixels);  // 96 pixels per inch on the test screen
  EXPECT_NEAR(static_cast<double>(page.Value(TTsPage::LeftMargin)), 48.0, 1e-9);
  page.SetZoom(200);
  EXPECT_NEAR(static_cast<double>(page.Value(TTsPage::LeftMargin)), 96.0, 1e-9);
  page.SetUnits(TTsUnit::Characters);  // 10-point font: 31.496 native across, 57.205 down
  EXPECT_NEAR(static_cast<double>(page.Value(TTsPage::LeftMargin)), 127 / 31.496062992, 1e-9);
  EXPECT_NEAR(static_cast<double>(page.Value(TTsPage::TopMargin)), 127 / 57.204724409, 1e-9);

  page.SetUnits(TTsUnit::Inches);
  page.SetValue(TTsPage::LeftMargin, 1);
  EXPECT_EQ(page.Native(TTsPage::LeftMargin), 254);
  page.SwitchToPixels();
  EXPECT_EQ(page.Units(), TTsUnit::Pixels);
  page.RestoreUnits();
  EXPECT_EQ(page.Units(), TTsUnit::Inches);
}

TEST(Page, FixedPaperSetsTheSizeAndOrientationSwapsIt) {
  TTsPage page;
  page.SetPaperSize(TTsPaperSize::Letter);
  page.SetOrientation(TTsOrientation::poLandscape);
  EXPECT_EQ(page.Native(TTsPage::Width), 2794);
  EXPECT_EQ(page.Native(TTsPage::Length), 2159);
  page.SetOrientation(TTsOrientation::poPortrait);
  EXPECT_EQ(page.Native(TTsPage::Width), 2159);
  EXPECT_EQ(page.Native(TTsPage::Length), 2794);

  page.SetUnits(TTsUnit::MM);
  page.SetValue(TTsPage::Width, 100);  // ignored unless the paper is Custom
  EXPECT_EQ(page.Native(TTsPage::Width), 2159);
  page.SetPaperSize(TTsPaperSize::Note);
  EXPECT_EQ(page.Native(TTsPage::Length), 2790);

  page.SetPaperSize(TTsPaperSize::Custom);
  EXPECT_EQ(page.Native(TTsPage::Width), 2159);  // Custom only records the choice
  page.SetValue(TTsPage::Width, 100);
  page.SetValue(TTsPage::Length, 150);
  EXPECT_EQ(page.Native(TTsPage::Width), 1000);
  EXPECT_EQ(page.Native(TTsPage::Length), 1500);
}

TEST(Page, ColumnsBelowOneAreIgnoredAndDefaultsFollowTheLocale) {
  TTsPage page;
  EXPECT_EQ(page.Columns(), 1);
  page.SetColumns(3);
  page.SetColumns(0);
  page.SetColumns(-2);
  EXPECT_EQ(page.Columns(), 3);

  const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  EXPECT_EQ(page.PaperSize(), us ? TTsPaperSize::Letter : TTsPaperSize::A4);
  EXPECT_EQ(page.Units(), us ? TTsUnit::Inches : TTsUnit::MM);
  EXPECT_EQ(page.Native(TTsPage::TopMargin), us ? 127 : 100);
  EXPECT_EQ(page.Native(TTsPage::Length), us ? 2794 : 2970);
}

TEST(Bounds, PixelBoundsAndSizeStayInStep) {
  auto report = NewLetterReport();
  TTsShape& shape = report->AddShape(QStringLiteral("Line"));
  EXPECT_EQ(shape.Bound(TTsShape::Width), 65);  // a new shape is 65 x 65 pixels
  shape.SetBounds(48, 113, 720, 14);
  EXPECT_NEAR(static_cast<double>(shape.Size().Native(TTsPrintableSize::Top)), 298.979, 1e-3);
  EXPECT_EQ(shape.Size().Native(TTsPrintableSize::Width), 1905);

  report->SetUnits(TTsUnit::MM);
  shape.Size().SetValue(TTsPrintableSize::Left, 25.4);  // one inch
  EXPECT_EQ(shape.Bound(TTsShape::Left), 96);

  report->SetZoom(200);  // pixel bounds scale, native sizes do not
  EXPECT_EQ(shape.Bound(TTsShape::Left), 192);
  EXPECT_EQ(shape.Size().Native(TTsPrintableSize::Width), 1905);
}

TEST(Bounds, AlignToBandPlacesItemsOnBandsOnly) {
  auto report = NewLetterReport();
  TTsBand& band = report->AddBand(QStringLiteral("Band"), TTsBandType::rbTitle);
  EXPECT_EQ(band.Bound(TTsBand::Height), 40);
  EXPECT_EQ(band.Bound(TTsBand::Width), 720);

  TTsLabel& onReport = PlaceLabel(*report, QStringLiteral("OnReport"), {267, 68, 100, 20}, QString());
  onReport.SetAlignment(TTsAlignment::taCenter);
  onReport.SetAlignToBand(true);
  EXPECT_EQ(onReport.Bound(TTsLabel::Left), 267);

  TTsLabel& onBand = report->AddLabel(QStringLiteral("OnBand"), &band);
  onBand.SetAutoSize(false);
  onBand.SetBounds(5, 0, 101, 20);
  onBand.SetAlignment(TTsAlignment::taCenter);
  onBand.SetAlignToBand(true);
  EXPECT_EQ(onBand.Bound(TTsLabel::Left), 309);  // (720 - 101) div 2
  onBand.SetAlignment(TTsAlignment::taRightJustify);
  EXPECT_EQ(onBand.Bound(TTsLabel::Left), 619);
  onBand.SetBound(TTsLabel::Width, 120);  // re-applied when the bounds change
  EXPECT_EQ(onBand.Bound(TTsLabel::Left), 600);
  onBand.Size().SetValue(TTsPrintableSize::Width, 1.25);  // 120 pixels, in Inches
  EXPECT_EQ(onBand.Bound(TTsLabel::Left), 600);
  onBand.Size().SetValue(TTsPrintableSize::Width, 0.25);  // 24 pixels
  EXPECT_EQ(onBand.Bound(TTsLabel::Left), 696);
  EXPECT_EQ(onBand.Size().Native(TTsPrintableSize::Left), 1841.5L);  // kept in step
}
