#include "report/model/TsFrame.h"

#include "report/model/CanvasState.h"

#include <QPainter>

#include <cmath>

namespace {

// Device pixels of a side that is `width` points thick at `factor` pixels per native unit.
int SideThickness(int width, long double factor) {
  const int thickness = static_cast<int>(std::nearbyintl(factor * 254 / 72 * width));
  if (width == -1 || (thickness <= 0 && width > 0)) return 1;
  return thickness;
}

}  // namespace

long double TTsFrame::NativeThickness() const {
  return std::nearbyintl(Width / 72.0L * 254);
}

void TTsFrame::PaintIt(QPainter& canvas, int left, int top, int right, int bottom,
                       long double xFactor, long double yFactor) const {
  if (!AnyFrame()) return;
  const int across = SideThickness(Width, xFactor);
  const int down = SideThickness(Width, yFactor);
  if (DrawTop) FillArea(canvas, QRect(left, top, right - left, down), Color);
  if (DrawBottom) FillArea(canvas, QRect(left, bottom - down, right - left, down), Color);
  if (DrawLeft) FillArea(canvas, QRect(left, top, across, bottom - top), Color);
  if (DrawRight) FillArea(canvas, QRect(right - across, top, across, bottom - top), Color);
  canvas.setPen(QPen(Color, 1, Style));
  canvas.setBrush(Qt::NoBrush);
}
