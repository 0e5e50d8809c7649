#pragma once
// Reports built for the tests and their pages rendered to images.

#include "report/device/TsPrinter.h"
#include "report/model/Report.h"

#include <QImage>

#include <memory>

// Liberation Sans, the font every text-measuring test pins.
TTsFont PinnedFont(int size = 10);

// A Letter portrait report with 0.5-inch margins in Inches, the pinned font and no frame.
std::unique_ptr<TReport> NewLetterReport();

// A label on the report at the given pixel bounds, captioned.
TTsLabel& PlaceLabel(TReport& report, const QString& name, QRect bounds, const QString& caption,
                     bool autoSize = false);

// Generates the report into a fresh page store.
std::unique_ptr<TTsPrinter> GenerateIntoStore(TReport& report);

// Stored page n replayed at its own size on white.
QImage RenderStoredPage(TTsPrinter& device, int page);

bool IsDark(const QImage& image, int x, int y);
// Whether any pixel of the rectangle is dark.
bool AnyDark(const QImage& image, QRect area);
// The number of dark pixels running down from (x, y).
int DarkRunDown(const QImage& image, int x, int y);
