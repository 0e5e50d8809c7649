#include "report/model/CanvasState.h"

#include <QPainter>

void UseBrush(QPainter& canvas, const QBrush& brush) {
  if (canvas.brush() != brush) canvas.setBrush(brush);
}

// The canvas holds the font it was given resolved against the device's font; resolving
// fills only the attributes the given font leaves unset. So with the same attributes set
// (the resolve masks) and equal values, setting the font again would change nothing.
void UseFont(QPainter& canvas, const QFont& font) {
  const QFont current = canvas.font();
  if (current.resolveMask() != font.resolveMask() || current != font) canvas.setFont(font);
}

void FillArea(QPainter& canvas, const QRect& rect, const QColor& color) {
  canvas.setPen(Qt::NoPen);
  UseBrush(canvas, QBrush(color));
  canvas.drawRect(rect);
}
