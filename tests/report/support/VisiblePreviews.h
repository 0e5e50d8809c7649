#pragma once
// The preview windows a test can see: the visible top-level windows of the preview's type.

#include "report/preview/TsStandardPreview.h"

#include <QApplication>
#include <QList>
#include <QWidget>

inline QList<TTsStandardPreview*> VisiblePreviews() {
  QList<TTsStandardPreview*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<TTsStandardPreview*>(widget); window && window->isVisible()) windows << window;
  return windows;
}

// The first visible preview window, or null when none is shown.
inline TTsStandardPreview* VisiblePreview() {
  const QList<TTsStandardPreview*> windows = VisiblePreviews();
  return windows.isEmpty() ? nullptr : windows.first();
}
