#pragma once
// The message boxes the preview window shows: plain, with an OK button, titled with the
// application title.

#include <QString>

class QWidget;

void ShowPlainMessage(QWidget* parent, const QString& text);

// An error of the report engine, with the stop icon.
void ShowErrorMessage(QWidget* parent, const QString& text);

// Print was asked for while no printer is installed.
void ShowNoPrinterMessage(QWidget* parent);
