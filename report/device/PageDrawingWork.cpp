#include "report/device/PageDrawingWork.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

// What Qt's raster painter was measured to spend at 600 dpi on a Letter sheet, smoothed,
// in the units of the estimate (about a millisecond), rounded up.
constexpr double kPerCommand = 0.002;
// A page area of pixels covered, as a filled rectangle does, or as a pen's stroke.
constexpr double kPerPageCovered = 10;
// A page area of bounding box, for a figure with slanted or curved edges.
constexpr double kPerPageOfBounds = 60;
// A page area covered with a hatch, beyond the cost of covering it.
constexpr double kPerPagePatterned = 70;
// A point of a stroke: with round joins or caps, with other joins, with a hairline.
constexpr double kPerRoundPoint = 0.2;
constexpr double kPerPoint = 0.018;
constexpr double kPerHairlinePoint = 0.001;
// A curve beyond its points and bounds.
constexpr double kPerCurve = 0.05;
// A dash of a dashed pen.
constexpr double kPerDash = 0.012;
// Qt draws a pen solid once its dash pattern would repeat more often along a stroke.
constexpr double kMostDashRepetitions = 10000;
// A character laid out; a glyph Qt's glyph cache holds, up to this many pixels, costs no more.
constexpr double kPerCharacter = 0.006;
constexpr double kLargestCachedGlyph = 64;
// No glyph of a font at its own spacing advances much less than a fifth of its em (an
// apostrophe, Liberation Sans's narrowest, 0.19), so no more glyphs of a line than the
// page's width over that fall on the page.
constexpr double kNarrowestAdvance = 0.18;
// A glyph drawn as a path: kPerPathGlyph for one of kPathGlyphSize pixels alone on its line
// (10-point text at 600 dpi); more the larger it is, and the more glyphs of its line fall
// on the page, up to a line of kFullLine glyphs (a glyph of 10-point text in a line of 100
// took 0.08 to 0.75 ms, piled up in a line of 10,000 0.85 ms). Smaller path glyphs cost
// about in proportion to their size, larger ones more steeply.
constexpr double kPerPathGlyph = 0.1;
constexpr double kPathGlyphSize = 83;
constexpr double kSmallerPathGlyphGrowth = 1;
constexpr double kLargerPathGlyphGrowth = 1.6;
constexpr double kFullLine = 100;
// Qt draws an ellipse as four Bézier curves: their three points each and the start.
constexpr double kEllipsePoints = 13;
constexpr double kEllipseCurves = 4;
// A Letter sheet at 600 dpi.
constexpr double kSheetPixels = 5100.0 * 6600.0;

double Distance(QPointF a, QPointF b) { return QLineF(a, b).length(); }

}  // namespace

PageDrawingEstimate::PageDrawingEstimate(const QRectF& page)
    : page_(page),
      reach_(page.adjusted(-page.width() / 2, -page.height() / 2, page.width() / 2, page.height() / 2)),
      toSheet_(std::sqrt(kSheetPixels / (page.width() * page.height()))) {}

double PageDrawingEstimate::LargestSize() const { return std::min(page_.width(), page_.height()); }

void PageDrawingEstimate::MoveTo(QPointF point) {
  if (points_ == 0) low_ = high_ = point;
  subpaths_ += 1;
  Include(point);
}

void PageDrawingEstimate::LineTo(QPointF point) {
  length_ += Distance(last_, point);
  straight_ = straight_ && (point.x() == last_.x() || point.y() == last_.y());
  Include(point);
}

void PageDrawingEstimate::CurveTo(QPointF control1, QPointF control2, QPointF end) {
  // The control polygon is never shorter than the curve.
  length_ += Distance(last_, control1) + Distance(control1, control2) + Distance(control2, end);
  straight_ = false;
  work_.cost += kPerCurve;
  for (QPointF point : {control1, control2, end}) Include(point);
}

void PageDrawingEstimate::Include(QPointF point) {
  within_ = within_ && reach_.contains(point);
  low_ = {std::min(low_.x(), point.x()), std::min(low_.y(), point.y())};
  high_ = {std::max(high_.x(), point.x()), std::max(high_.y(), point.y())};
  last_ = point;
  points_ += 1;
}

bool PageDrawingEstimate::FinishFigure(bool fillable) {
  const QRectF bounds(low_, high_);
  const bool acceptable = straight_ || within_;
  work_.cost += kPerCommand;
  Stroke(length_, points_ + subpaths_, straight_, bounds);
  if (fillable) Fill(points_, straight_, bounds);
  length_ = points_ = subpaths_ = 0;
  straight_ = within_ = true;
  return acceptable;
}

void PageDrawingEstimate::Ellipse(const QRectF& bounds) {
  const QRectF box = bounds.normalized();
  work_.cost += kPerCommand + kEllipseCurves * kPerCurve;
  Stroke(2 * (box.width() + box.height()), kEllipsePoints, false, box);  // the box is longer than the ellipse
  Fill(kEllipsePoints, false, box);
}

void PageDrawingEstimate::Text(QPointF start, qint64 characters, double em, bool spaced) {
  const double size = em * toSheet_;
  const double glyphs = double(characters);
  work_.cost += kPerCommand + glyphs * kPerCharacter;
  if (size <= kLargestCachedGlyph) return;
  // At its own spacing a line runs rightwards from its start, its glyphs within an em of
  // the baseline: those that fall on the page are as many as fit across what it crosses.
  const double across = page_.right() - std::max(start.x(), page_.left());
  const bool crosses = across > 0 && start.y() > page_.top() - em && start.y() < page_.bottom() + em;
  const double onThePage =
      spaced ? glyphs : crosses ? std::min(glyphs, std::ceil(across / (kNarrowestAdvance * em))) : 0;
  const double growth = size < kPathGlyphSize ? kSmallerPathGlyphGrowth : kLargerPathGlyphGrowth;
  work_.cost += onThePage * kPerPathGlyph * std::pow(size / kPathGlyphSize, growth) *
                std::sqrt(std::min(onThePage, kFullLine));
}

void PageDrawingEstimate::Stroke(double length, double points, bool straight, const QRectF& bounds) {
  if (!pen_.draws) return;
  const double width = pen_.width;
  const double perPoint = pen_.round ? kPerRoundPoint : pen_.hairline || width * toSheet_ <= 1 ? kPerHairlinePoint : kPerPoint;
  const double margin = pen_.reach * width;
  const double reached = PageShare(bounds.adjusted(-margin, -margin, margin, margin));
  // The pen covers no more of the page than the figure's bounds reach over.
  const double covered = std::min((length + points * margin) * width / (page_.width() * page_.height()), reached);
  work_.cost += points * perPoint + (kPerPageCovered + (pen_.patterned ? kPerPagePatterned : 0)) * covered;
  // Round joins and caps make the outline of any stroke wider than a hairline curved.
  const bool curved = !straight || (pen_.round && !pen_.hairline && width * toSheet_ > 1);
  if (curved) work_.cost += kPerPageOfBounds * reached;
  if (pen_.dashesPerRepetition > 0) {
    const double repetitions =
        pen_.dashRepetition > 0 ? std::min(length / (pen_.dashRepetition * width), kMostDashRepetitions) : kMostDashRepetitions;
    work_.cost += std::ceil(repetitions) * pen_.dashesPerRepetition * kPerDash;
  }
}

void PageDrawingEstimate::Fill(double points, bool straight, const QRectF& bounds) {
  if (!brush_.fills) return;
  const double perPage = (straight ? kPerPageCovered : kPerPageOfBounds) + (brush_.patterned ? kPerPagePatterned : 0);
  work_.cost += points * kPerPoint + perPage * PageShare(bounds);
}

double PageDrawingEstimate::PageShare(const QRectF& area) const {
  const QRectF covered = area.intersected(page_);
  return covered.width() * covered.height() / (page_.width() * page_.height());
}
