#pragma once
// The program's plain message box: the text, an OK button, no icon; waits until dismissed.

#include <QString>

void ShowPlainMessage(const QString& title, const QString& text);

// The same box titled with the application title.
void ShowMessage(const QString& text);
