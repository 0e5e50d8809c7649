#include "report/preview/TsPreviewZoom.h"

#include "report/device/HalfEven.h"
#include "report/device/TsPrinter.h"

#include <algorithm>

bool IsValidZoom(int zoom) { return zoom >= MinZoom && zoom <= MaxZoom; }

QSize PaperPixels(const TTsPrinter& device) {
  return {device.XSize(device.PrinterSettings.PaperWidth()),
          device.YSize(device.PrinterSettings.PaperLength())};
}

int FitZoom(QSize view, QSize paperPixels) {
  if (paperPixels.isEmpty()) return 0;
  const int byHeight = RoundHalfEven((long double)view.height() / paperPixels.height() * 95);
  const int byWidth = RoundHalfEven((long double)view.width() / paperPixels.width() * 95);
  return std::min(byHeight, byWidth);
}

int WidthZoom(int viewWidth, int paperWidthPixels) {
  if (paperWidthPixels <= 0) return 0;
  return RoundHalfEven((long double)viewWidth / paperWidthPixels * 90);
}

QSize PageImageSize(const TTsPrinter& device, int zoom) {
  const long double width = device.PrinterSettings.PaperWidth();
  const long double length = device.PrinterSettings.PaperLength();
  return {device.XSize(width / 100 * zoom) + 4, device.YSize(length / 100 * zoom) + 4};
}
