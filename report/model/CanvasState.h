#pragma once
// Changing the pen, brush and font of an output device's canvas only when the change
// draws differently. A page picture records every state the painter marks as changed
// before the next drawing, and QPainter marks a brush set again whenever it is another
// object, a font set again always, and fillRect sets its own pen and brush and then puts
// the old ones back: each filled label wrote five state records where two change anything.
// Those records were more than half of a worksheet page's bytes, which its checksum, the
// page store, loading and replay all go through.
//
// Every printable sets the pen, brush and font it draws with before drawing; none relies
// on what an earlier one left on the canvas.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

void UseBrush(QPainter& canvas, const QBrush& brush);
void UseFont(QPainter& canvas, const QFont& font);

// Fills the rectangle with the colour, as QPainter::fillRect does, but leaves the canvas
// without a pen and with the colour's brush instead of restoring the previous ones.
void FillArea(QPainter& canvas, const QRect& rect, const QColor& color);
