#pragma once
// A drawn shape: rectangle, circle, or one or two lines across the item's box.

#include "report/model/TsPrintable.h"

enum class TTsShapeType { tsRectangle, tsCircle, tsVertLine, tsHorLine, tsTopAndBottom, tsRightAndLeft };

struct TTsPen {
  QColor color = Qt::black;
  int width = 1;  // device pixels
  Qt::PenStyle style = Qt::SolidLine;
};

struct TTsBrush {
  QColor color = Qt::white;
  Qt::BrushStyle style = Qt::SolidPattern;
};

class TTsShape : public TTsPrintable {
 public:
  static constexpr int kNewShapeSize = 65;  // pixels, both ways

  TTsShape(TCustomReport& report, QString name, TTsBand* parentBand);

  TTsShapeType Shape = TTsShapeType::tsRectangle;
  TTsPen Pen;
  TTsBrush Brush;

  // Draws the shape with its pen and brush; a shape draws no frame.
  void Print(long double x, long double y) override;
};
