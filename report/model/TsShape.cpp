#include "report/model/TsShape.h"

#include "report/device/TsPrinter.h"
#include "report/model/CanvasState.h"

#include <QPainter>

#include <optional>

namespace {

// A line from the first point up to, not including, the second; shape lines run across or
// down the page only.
void DrawLineTo(QPainter& canvas, QPoint from, QPoint to) {
  if (from == to) return;
  const QPoint step(to.x() > from.x() ? 1 : (to.x() < from.x() ? -1 : 0),
                    to.y() > from.y() ? 1 : (to.y() < from.y() ? -1 : 0));
  canvas.drawLine(from, to - step);
}

// The figure covering the device pixels x1..x2-1 and y1..y2-1, the right and bottom edges
// excluded as for lines. Qt strokes a figure's outline on the pixels right of and below its
// edges, so a QRect of width w is drawn w + 1 pixels wide: the QRect is one pixel smaller.
// An empty box draws nothing.
std::optional<QRect> OutlineOf(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return std::nullopt;
  return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

}  // namespace

TTsShape::TTsShape(TCustomReport& report, QString name, TTsBand* parentBand)
    : TTsPrintable(report, std::move(name), parentBand) {
  Size().StoreNative(TTsPrintableSize::Width, Size().FromPixels(kNewShapeSize, TTsPrintableSize::Width));
  Size().StoreNative(TTsPrintableSize::Height, Size().FromPixels(kNewShapeSize, TTsPrintableSize::Height));
  InitBoundsFromSize();
}

void TTsShape::Print(long double x, long double y) {
  if (!IsEnabled()) return;
  const TTsPrinter& device = Device();
  QPainter& canvas = *Device().Canvas();
  UseBrush(canvas, QBrush(Brush.color, Brush.style));
  canvas.setPen(QPen(Pen.color, Pen.width, Pen.style));
  const long double left = x + NativeBound(Left);
  const long double top = y + NativeBound(Top);
  const long double width = NativeBound(Width);
  const long double height = NativeBound(Height);
  const int x1 = device.XPos(left);
  const int y1 = device.YPos(top);
  const int x2 = device.XPos(left + width);
  const int y2 = device.YPos(top + height);
  switch (Shape) {
    case TTsShapeType::tsRectangle:
      if (const std::optional<QRect> outline = OutlineOf(x1, y1, x2, y2)) canvas.drawRect(*outline);
      break;
    case TTsShapeType::tsCircle:
      if (const std::optional<QRect> outline = OutlineOf(x1, y1, x2, y2)) canvas.drawEllipse(*outline);
      break;
    case TTsShapeType::tsVertLine: {
      const int middle = device.XPos(left + width / 2);
      DrawLineTo(canvas, {middle, y1}, {middle, y2});
      break;
    }
    case TTsShapeType::tsHorLine: {
      const int middle = device.YPos(top + height / 2);
      DrawLineTo(canvas, {x1, middle}, {x2, middle});
      break;
    }
    case TTsShapeType::tsTopAndBottom:
      DrawLineTo(canvas, {x1, y1}, {x2, y1});
      DrawLineTo(canvas, {x1, y2}, {x2, y2});
      break;
    case TTsShapeType::tsRightAndLeft:
      DrawLineTo(canvas, {x1, y1}, {x1, y2});
      DrawLineTo(canvas, {x2, y1}, {x2, y2});
      break;
  }
}
