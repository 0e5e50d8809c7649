#pragma once
// Finding the paper of a loaded page from its size. Both sides are compared in units of
// 4 mm, truncated: the page's native size divided by 40 against the paper's millimetres
// divided by 4. A paper matches upright (portrait) or crosswise (landscape); when several
// papers match, the last one in the paper list wins, so a Letter page comes out as Note.

#include "report/device/PaperSizes.h"

#include <optional>

struct DetectedPaper {
  TTsPaperSize paper;
  TTsOrientation orientation;
};

std::optional<DetectedPaper> DetectPaper(long double nativeWidth, long double nativeLength);
