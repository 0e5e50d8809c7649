#pragma once
// Generates a worksheet's report into a page store and draws its first page into an image
// of the paper at 96 dpi (816 x 1056 pixels for Letter), for tests that look at pixels.

#include <QImage>

class TCustomReport;

QImage RenderFirstPage(TCustomReport& report);
