#include "report/device/PaperDetection.h"

#include <cmath>

namespace {

long long Truncated(long double value) { return static_cast<long long>(std::trunc(value)); }

}  // namespace

std::optional<DetectedPaper> DetectPaper(long double nativeWidth, long double nativeLength) {
  const long long width = Truncated(nativeWidth / 40);
  const long long length = Truncated(nativeLength / 40);
  std::optional<DetectedPaper> found;
  for (int code = static_cast<int>(TTsPaperSize::Letter); code <= static_cast<int>(TTsPaperSize::ESheet); ++code) {
    const auto paper = static_cast<TTsPaperSize>(code);
    const PaperMillimetres size = *PaperSizeMillimetres(paper);
    const long long paperWidth = Truncated(size.width / 4.0L);
    const long long paperLength = Truncated(size.length / 4.0L);
    if (width == paperWidth && length == paperLength)
      found = DetectedPaper{paper, TTsOrientation::poPortrait};
    else if (width == paperLength && length == paperWidth)
      found = DetectedPaper{paper, TTsOrientation::poLandscape};
  }
  return found;
}
