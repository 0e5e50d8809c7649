#pragma once
// Small helpers for laying out the program's windows with absolute positions.

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QString>

class QDialog;
class QDialogButtonBox;
class TMaskedEdit;

// A font of the given character height in pixels.
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// A font of the given size in points.
QFont PointFont(const QString& family, int points, bool bold = false);

// A label at pos that sizes itself to its text.
QLabel* NewLabel(QWidget* parent, const QString& text, QPoint pos);

// A group box whose etched frame runs through the middle of its caption.
QGroupBox* NewGroupBox(QWidget* parent, const QString& caption, const QRect& geometry);

// Replaces a label's text and sizes the label to it, keeping its left edge.
void SetLabelText(QLabel* label, const QString& text);

// A measurement field in the decimal format, 41 x 21 at pos.
TMaskedEdit* NewMeasurementField(QWidget* parent, QPoint pos, const QString& name);

// A column heading of a measurement page that opens the picture of how the column's
// measurement is taken.
QPushButton* NewPictureButton(QWidget* page, const QString& caption, const QRect& geometry, const QString& name);

// OK and Cancel for a dialog, which accept and reject it.
QDialogButtonBox* NewOkCancelButtons(QDialog* dialog);
