#pragma once
// The zoom and page-image arithmetic of the page view. Paper sizes are in native units
// (0.1 mm); the device's XSize and YSize turn them into screen pixels.

#include <QSize>

class TTsPrinter;

inline constexpr int MinZoom = 2;
inline constexpr int MaxZoom = 2000;

bool IsValidZoom(int zoom);

// The device's paper at 100 %, in screen pixels.
QSize PaperPixels(const TTsPrinter& device);

// The whole page fits the view, with 5 % to spare.
int FitZoom(QSize view, QSize paperPixels);

// The page's width fills the view, with 10 % to spare.
int WidthZoom(int viewWidth, int paperWidthPixels);

// The page image at a zoom: the paper plus 4 pixels for the outline and the shadow.
QSize PageImageSize(const TTsPrinter& device, int zoom);
