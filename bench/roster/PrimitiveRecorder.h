#pragma once
// The drawing calls of a page, taken from its stored picture, so the same page can be drawn
// again with raw QPainter calls: texts, lines, rectangles, polygons, polylines and paths
// with the pen, brush, font and transformation in force when each was drawn.

#include <QBrush>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <vector>

class QPainter;
class QPicture;

struct DrawingCall {
  enum class Kind { Text, Lines, Rects, Polygon, Polyline, Path };
  Kind kind;
  QTransform transform;
  QPen pen;
  QBrush brush;
  QFont font;          // Text: sized in pixels of the painter's coordinates, as drawn
  QPointF at;          // Text
  QString text;        // Text
  QPolygonF points;    // Lines (pairs), Rects (top-left, bottom-right pairs), Polygon, Polyline
  QPainterPath path;   // Path
};

// The calls that replaying the page over `target` (painter coordinates of a device of the
// given resolution) makes.
std::vector<DrawingCall> RecordDrawingCalls(const QPicture& page, const QRectF& target, int dpi);

// Makes the calls on the painter.
void DrawCalls(QPainter& painter, const std::vector<DrawingCall>& calls);
