#include "PageImage.h"

#include "report/device/PagePicture.h"
#include "report/device/TsPrinter.h"
#include "report/model/CustomReport.h"

#include <QPainter>
#include <QPicture>

QImage RenderFirstPage(TCustomReport& report) {
  TTsPrinter device;
  device.Destination = TsDestination::PageStore;
  report.CreateReportOn(device);
  const std::unique_ptr<QPicture> page = device.GetPage(1);
  QImage image(816, 1056, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  if (page) {
    QPainter painter(&image);
    DrawPagePicture(painter, *page, QRectF(0, 0, 816, 1056));
  }
  return image;
}
