#pragma once
// The work a page picture asks of the painter that replays it, estimated from its drawing
// commands while PictureCommandCheck walks them, and the most a page may ask for.
//
// The estimate is in units of about a millisecond of drawing the page, smoothed, on a
// Letter sheet at 600 dpi (the dearest way a page is drawn: the preview draws it a few
// times smaller, which costs less in every term), on a 2-core machine. Its terms follow
// what Qt's raster painter was measured to spend (bench/worksheets/PageDrawingBenchmark):
// - every drawing command a little;
// - a figure filled or stroked along anything but horizontal and vertical edges costs the
//   pixels of its bounding box (within the page), whatever its own width: a hairline
//   across the page as much as a filled page. Horizontal and vertical ones, such as the
//   rules and boxes of a form, cost the pixels they cover, unless a wide pen rounds their
//   joins or caps; a hatched brush or pen costs
//   several times what a solid one does for every pixel it covers;
// - a stroke costs the pixels its pen covers (its length and the reach of its joins and
//   caps, times its width), and every point, dearly with round joins or caps;
// - a curve the segments it is flattened into, a dashed pen every dash;
// - every character a little to lay out; a glyph too large for Qt's glyph cache (64
//   pixels at 600 dpi) is drawn as a path, and costs more the larger it is and the more
//   glyphs of its line fall on the page (glyphs past its edge cost next to nothing; a font
//   that spaces its letters closer can pile them all up on it).
// Lengths and sizes are taken against the page's own size, so the estimate does not
// depend on the resolution the page was recorded at.

#include <QPointF>
#include <QRectF>
#include <QString>

struct PageDrawingWork {
  double cost = 0;
};

// The most a page may ask for: about a second of drawing at 600 dpi. The genuine worksheets
// (men's, women's and one-site, filled to their widest) are estimated at 105 to 174, as the
// estimate charges every line of text as dearly as the dearest letters Qt draws; they are
// drawn at 600 dpi in 35 to 59 ms. Pages at this limit, crafted in seventeen dear ways
// (tests/report/support/CostlyPages), took at most 0.86 s there, and added under 3 MB to
// the 134 MB of the sheet's image; at the preview's sizes at most 0.2 s
// (bench/worksheets/PageDrawingBenchmark, CPU time on a 2-core machine shared with other
// work).
inline constexpr PageDrawingWork kMostPageDrawingWork{1000};

// A brush as it decides what filling costs.
struct PaintBrush {
  bool fills = false;      // false for Qt::NoBrush
  bool patterned = false;  // a hatch, drawn pixel by pixel from its pattern
};

// The pen as it decides what a stroke costs.
struct StrokePen {
  bool draws = true;            // false for Qt::NoPen
  double width = 1;             // page pixels, at least one
  bool hairline = false;        // one device pixel wide at any scale
  bool round = false;           // round joins or caps, each drawn as curves
  bool patterned = false;       // its brush is a hatch
  double reach = 0.5;           // how far a join or cap reaches past its point, in widths
  int dashesPerRepetition = 0;  // 0 for a solid pen
  double dashRepetition = 0;    // the length of the dash pattern, in widths
};

class PageDrawingEstimate {
 public:
  // page: the picture's bounding rectangle, not empty.
  explicit PageDrawingEstimate(const QRectF& page);

  // Where coordinates may lie: the page grown by half its width and height on every side.
  // Nothing the report engine draws lies outside its page but horizontal and vertical edges,
  // which Qt clips to the page at no cost beyond what they cover of it, and text, whose
  // glyphs past the page's edge cost next to nothing: a label stretched by a long value
  // draws its background far past the paper, and its line aligned right starts far to the
  // left. So ellipses and every figure with a slanted or curved edge must lie within this
  // room; it lets an element overhang the page without letting a curve or a slant grow
  // beyond a few page sides.
  const QRectF& Reach() const { return reach_; }
  // The largest pen width and font size: the page's shorter side.
  double LargestSize() const;

  void SetPen(const StrokePen& pen) { pen_ = pen; }
  void SetBrush(const PaintBrush& brush) { brush_ = brush; }

  // A polyline or a path, traced point by point from a MoveTo.
  void MoveTo(QPointF point);
  void LineTo(QPointF point);
  void CurveTo(QPointF control1, QPointF control2, QPointF end);
  // Ends the figure: stroked with the pen, and filled with the brush when fillable. False
  // when it has a slanted or curved edge and leaves the Reach().
  bool FinishFigure(bool fillable);

  void Ellipse(const QRectF& bounds);
  // A line of text from its start on the baseline, laid out left to right as a page
  // picture replays it; spaced when its font spaces letters or words otherwise than their
  // own advances do, which may pile its glyphs up anywhere.
  void Text(QPointF start, qint64 characters, double em, bool spaced);

  const PageDrawingWork& Work() const { return work_; }
  bool Exceeded() const { return work_.cost > kMostPageDrawingWork.cost; }

 private:
  void Include(QPointF point);
  void Stroke(double length, double points, bool straight, const QRectF& bounds);
  void Fill(double points, bool straight, const QRectF& bounds);
  double PageShare(const QRectF& area) const;

  QRectF page_;
  QRectF reach_;
  double toSheet_;  // page pixels to pixels of a Letter sheet at 600 dpi
  StrokePen pen_;
  PaintBrush brush_;
  PageDrawingWork work_;
  // The figure being traced.
  QPointF last_;
  QPointF low_;
  QPointF high_;
  double length_ = 0;
  double points_ = 0;
  double subpaths_ = 0;
  bool straight_ = true;  // every edge horizontal or vertical
  bool within_ = true;    // every point within the Reach()
};
