#pragma once
// Small helpers for laying out the program's windows with absolute positions.

#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QString>

// A font of the given character height in pixels.
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// A font of the given size in points.
QFont PointFont(const QString& family, int points, bool bold = false);

// A label at pos that sizes itself to its text.
QLabel* NewLabel(QWidget* parent, const QString& text, QPoint pos);

// Replaces a label's text and sizes the label to it, keeping its left edge.
void SetLabelText(QLabel* label, const QString& text);
