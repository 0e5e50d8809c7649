#pragma once
// The frame of a report, band or printable item: which sides are drawn, in what colour
// and how thick (points, 1/72 inch; -1 means one device pixel).

#include <QColor>
#include <QRect>

class QPainter;

class TTsFrame {
 public:
  QColor Color = Qt::black;
  bool DrawTop = false;
  bool DrawBottom = false;
  bool DrawLeft = false;
  bool DrawRight = false;
  Qt::PenStyle Style = Qt::SolidLine;
  int Width = 1;

  bool AnyFrame() const { return DrawTop || DrawBottom || DrawLeft || DrawRight; }

  // The offset of the content inside a drawn top or left side, in native units.
  long double NativeThickness() const;

  // Draws the sides as solid bars inside the device rectangle from (left, top) to
  // (right, bottom), the right and bottom edges excluded; xFactor and yFactor are device
  // pixels per native unit.
  void PaintIt(QPainter& canvas, int left, int top, int right, int bottom,
               long double xFactor, long double yFactor) const;
};
