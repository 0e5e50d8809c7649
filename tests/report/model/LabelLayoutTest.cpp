// Label text layout: line breaking, cutting, automatic size and what a label prints.

#include "ReportTestSupport.h"

#include "report/model/LabelLines.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

// Every character 10 pixels wide, plus the 1 pixel every measured text adds.
int TenPerCharacter(const QString& text) { return 10 * static_cast<int>(text.size()) + 1; }

QStringList Lines(const QString& caption, int width, bool wordWrap = true) {
  return FormatCaptionLines(caption, {false, wordWrap, width}, TenPerCharacter);
}

}  // namespace

TEST(LabelLines, ParagraphsBreakAtCarriageReturnsAndLineFeedsAreDropped) {
  EXPECT_EQ(FormatCaptionLines(QStringLiteral("ONE\nTWO"), {true, true, 0}, TenPerCharacter),
            QStringList{QStringLiteral("ONETWO")});
  EXPECT_EQ(FormatCaptionLines(QStringLiteral("ONE\r\nTWO THREE"), {true, true, 0}, TenPerCharacter),
            (QStringList{QStringLiteral("ONE"), QStringLiteral("TWO THREE")}));
  EXPECT_EQ(FormatCaptionLines(QString(), {true, true, 0}, TenPerCharacter), QStringList{QString()});
  EXPECT_EQ(Lines(QString(), 45), QStringList{QString()});
}

TEST(LabelLines, WordsBreakAfterTheSpaceAndHyphen) {
  // "AAA " measures 41, "AAA BBB" 71: the space stays on the first line.
  EXPECT_EQ(Lines(QStringLiteral("AAA BBB"), 45), (QStringList{QStringLiteral("AAA "), QStringLiteral("BBB")}));
  EXPECT_EQ(Lines(QStringLiteral("AAA-BBB"), 45), (QStringList{QStringLiteral("AAA-"), QStringLiteral("BBB")}));
  // A line exactly at the width still fits.
  EXPECT_EQ(Lines(QStringLiteral("AAA BBB"), 71), QStringList{QStringLiteral("AAA BBB")});
}

TEST(LabelLines, AWordWiderThanTheLabelIsCutAndItsRestLost) {
  // Alone on a line: characters are taken while the line stays narrower than the width.
  const QStringList alone = Lines(QStringLiteral("ABCDEFGHIJ"), 45);
  EXPECT_EQ(alone.value(0), QStringLiteral("ABCD"));
  EXPECT_FALSE(alone.join(QString()).contains(u'E'));
  // After another word: the word is shortened from its end until it fits.
  const QStringList after = Lines(QStringLiteral("AB CDEFGHIJ KL"), 45);
  EXPECT_EQ(after.mid(0, 3), (QStringList{QStringLiteral("AB "), QStringLiteral("CDEF"), QStringLiteral("KL")}));
  EXPECT_FALSE(after.join(QString()).contains(u'G'));
}

TEST(LabelLines, WithoutWordWrapTheWordThatDoesNotFitIsDropped) {
  EXPECT_EQ(Lines(QStringLiteral("AAA BBB"), 45, false), QStringList{QStringLiteral("AAA ")});
  EXPECT_EQ(Lines(QStringLiteral("AAA BBB"), 45, true).size(), 2);
}

class LabelLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    report_ = NewLetterReport();
    screen_.setDotsPerMeterX(3780);  // 96 pixels per inch
    screen_.setDotsPerMeterY(3780);
    metrics_ = std::make_unique<QFontMetrics>(PinnedFont().ToQFont(), &screen_);
  }
  int Measured(const QString& text) const { return metrics_->horizontalAdvance(text) + 1; }

  std::unique_ptr<TReport> report_;
  QImage screen_{1, 1, QImage::Format_RGB32};
  std::unique_ptr<QFontMetrics> metrics_;
};

TEST_F(LabelLayout, TheReferenceContextMeasuresAtTheScreenResolution) {
  ASSERT_EQ(report_->Page().Resolution(), 96);
  const TTsReferenceContext& context = report_->ReferenceContext();
  EXPECT_EQ(context.TextHeight(PinnedFont()), metrics_->height());
  EXPECT_EQ(context.TextWidth(PinnedFont(), QStringLiteral("Weight")), metrics_->horizontalAdvance(QStringLiteral("Weight")));
  EXPECT_GT(context.TextWidth(PinnedFont(14), QStringLiteral("Weight")), metrics_->horizontalAdvance(QStringLiteral("Weight")));
  // Liberation Sans 10 pt at 96 dpi is 13.33 pixels: its cell is 15 or 16 pixels high.
  EXPECT_GE(metrics_->height(), 15);
  EXPECT_LE(metrics_->height(), 16);
}

TEST_F(LabelLayout, AnAutoSizedRightAlignedLabelKeepsItsRightEdge) {
  TTsLabel& label = PlaceLabel(*report_, QStringLiteral("Value"), {200, 100, 60, 20}, QStringLiteral("X"));
  label.SetAlignment(TTsAlignment::taRightJustify);
  label.SetAutoSize(true);
  const int right = label.Bound(TTsLabel::Left) + label.Bound(TTsLabel::Width);
  EXPECT_EQ(label.Bound(TTsLabel::Width), Measured(QStringLiteral("X")));
  EXPECT_EQ(right, 260);

  label.SetCaption(QString());
  EXPECT_EQ(label.Bound(TTsLabel::Width), 1);
  EXPECT_EQ(label.Bound(TTsLabel::Left), 259);
  EXPECT_NEAR(static_cast<double>(label.Size().Native(TTsPrintableSize::Left)), 259 * 254 / 96.0, 1e-9);

  label.Frame.DrawLeft = label.Frame.DrawRight = true;
  label.SetCaption(QString());
  EXPECT_EQ(label.Bound(TTsLabel::Width), 3);
  EXPECT_EQ(label.Bound(TTsLabel::Left), 257);

  TTsLabel& centred = PlaceLabel(*report_, QStringLiteral("Centre"), {300, 100, 101, 20}, QStringLiteral("WW"));
  centred.SetAlignment(TTsAlignment::taCenter);
  centred.SetAutoSize(true);
  const int width = Measured(QStringLiteral("WW"));
  EXPECT_EQ(centred.Bound(TTsLabel::Width), width);
  EXPECT_EQ(centred.Bound(TTsLabel::Left), 300 + (101 - width) / 2);
}

TEST_F(LabelLayout, ALabelIsAtLeastOneTextLineHigh) {
  const int minimum = metrics_->height() + 1;
  TTsLabel& low = PlaceLabel(*report_, QStringLiteral("Low"), {50, 50, 100, 4}, QStringLiteral("Text"));
  EXPECT_EQ(low.Bound(TTsLabel::Height), minimum);
  TTsLabel& tall = PlaceLabel(*report_, QStringLiteral("Tall"), {50, 80, 100, 40}, QStringLiteral("Text"));
  EXPECT_EQ(tall.Bound(TTsLabel::Height), 40);
  report_->SetZoom(200);  // the minimum follows the zoom
  low.SetBound(TTsLabel::Height, 4);
  low.SetCaption(QStringLiteral("Text"));
  EXPECT_EQ(low.Bound(TTsLabel::Height), 2 * metrics_->height() + 1);
}

TEST_F(LabelLayout, AWrappedLabelBreaksAtItsOwnWidth) {
  const int width = Measured(QStringLiteral("Alpha ")) + 2;
  TTsLabel& label = PlaceLabel(*report_, QStringLiteral("Box"), {50, 50, width, 40}, QStringLiteral("Alpha Beta"));
  EXPECT_EQ(label.FormattedLines(), (QStringList{QStringLiteral("Alpha "), QStringLiteral("Beta")}));
  label.SetWordWrap(false);
  EXPECT_EQ(label.FormattedLines(), QStringList{QStringLiteral("Alpha ")});
}

TEST_F(LabelLayout, OnlyLinesWithinTheLabelHeightPrint) {
  report_->AddBand(QStringLiteral("Title"), TTsBandType::rbTitle);
  const int lineHeight = metrics_->height();
  // Three one-word lines in a box that holds one and a half.
  PlaceLabel(*report_, QStringLiteral("Box"), {100, 300, 80, lineHeight * 3 / 2},
             QStringLiteral("Wide\rWide\rWide"));
  // An empty auto-sized caption prints nothing, not even its 1-pixel box.
  TTsLabel& empty = PlaceLabel(*report_, QStringLiteral("Empty"), {300, 300, 60, 20}, QString(), true);
  empty.Color = Qt::black;
  empty.Transparent = true;

  auto device = GenerateIntoStore(*report_);
  const QImage page = RenderStoredPage(*device, 1);
  ASSERT_FALSE(page.isNull());
  EXPECT_TRUE(AnyDark(page, QRect(100, 300, 80, lineHeight)));
  EXPECT_FALSE(AnyDark(page, QRect(90, 300 + lineHeight, 100, 3 * lineHeight)));
  EXPECT_FALSE(AnyDark(page, QRect(290, 295, 80, 30)));
}

TEST_F(LabelLayout, LabelFramesAndFillFollowTheFrameSides) {
  report_->AddBand(QStringLiteral("Title"), TTsBandType::rbTitle);
  TTsLabel& framed = PlaceLabel(*report_, QStringLiteral("Framed"), {100, 400, 80, 30}, QString());
  framed.Color = QColor(Qt::red);
  framed.Frame.DrawTop = framed.Frame.DrawBottom = true;
  auto device = GenerateIntoStore(*report_);
  const QImage page = RenderStoredPage(*device, 1);
  // The fill covers the box; the frame starts one frame width (4 native) lower.
  EXPECT_EQ(page.pixel(120, 400), QColor(Qt::red).rgb());
  EXPECT_EQ(page.pixel(120, 402), QColor(Qt::black).rgb());
  EXPECT_EQ(page.pixel(120, 403), QColor(Qt::red).rgb());
  EXPECT_EQ(page.pixel(185, 402), QColor(Qt::white).rgb());
}

TEST_F(LabelLayout, AnAutoStretchingLabelGrowsItsBand) {
  report_->AddBand(QStringLiteral("Title"), TTsBandType::rbTitle);  // 48..88
  TTsBand& detail = report_->AddBand(QStringLiteral("Detail"), TTsBandType::rbDetail);
  detail.SetBound(TTsBand::Height, 20);
  TTsLabel& growing = report_->AddLabel(QStringLiteral("Growing"), &detail);
  growing.SetAutoSize(false);
  growing.SetBounds(10, 0, 100, 18);
  growing.AutoStretch = true;
  growing.SetCaption(QStringLiteral("Wide\rWide\rWide"));
  TTsBand& summary = report_->AddBand(QStringLiteral("Summary"), TTsBandType::rbSummary);
  TTsLabel& marker = report_->AddLabel(QStringLiteral("Marker"), &summary);
  marker.SetAutoSize(false);
  marker.SetBounds(200, 0, 50, 20);
  marker.Color = Qt::red;

  auto device = GenerateIntoStore(*report_);
  const QImage page = RenderStoredPage(*device, 1);
  ASSERT_FALSE(page.isNull());
  const int line = metrics_->height();
  for (int row = 0; row < 3; ++row) {
    EXPECT_TRUE(AnyDark(page, QRect(58, 88 + row * line, 100, line))) << "line " << row + 1;
  }
  EXPECT_FALSE(AnyDark(page, QRect(58, 88 + 3 * line + 1, 100, line)));
  // The next band starts below the grown band: 20 pixels and two more lines.
  int top = 88;
  while (top < 300 && page.pixel(250, top) != QColor(Qt::red).rgb()) ++top;
  EXPECT_NEAR(top, 88 + 20 + 2 * line, 1);
  EXPECT_EQ(detail.Expansion, 0);  // back to its stored height after printing
  EXPECT_TRUE(growing.PrintFinished());
}
