#include "tests/report/support/StoredDocuments.h"

#include "report/device/TsPageList.h"

#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QRandomGenerator>

std::unique_ptr<TTsPrinter> StoreDocumentOf(int pages, const PageDrawer& drawPage,
                                            TTsPaperSize paper, TTsOrientation orientation,
                                            bool finish) {
  auto device = std::make_unique<TTsPrinter>();
  device->PrinterSettings.paperSize = paper;
  device->PrinterSettings.orientation = orientation;
  device->BeginDoc();
  for (int n = 1; n <= pages; ++n) {
    device->NewPage();
    drawPage(*device, n);
  }
  if (finish) device->EndDoc();
  return device;
}

void DrawManyShortLines(TTsPrinter& device, int page) {
  QRandomGenerator random(page);
  QPainter& canvas = *device.Canvas();
  for (int line = 0; line < 8000; ++line) {
    const QPointF start(random.bounded(700.0), random.bounded(1000.0));
    canvas.drawLine(start, start + QPointF(random.bounded(50.0), 0));
  }
}

bool DamageSpilledPages(TTsPrinter& device, qint64 offset) {
  if (!device.PageList()) return false;
  QFile spill(device.PageList()->Stream().SpillFileName());
  return spill.open(QIODevice::ReadWrite) && spill.seek(offset < 0 ? spill.size() + offset : offset) &&
         spill.write(QByteArray(64, '\x5a')) == 64;
}

void SaveSquarePageFile(const QString& fileName) {
  TTsPrinter square;
  square.PrinterSettings.paperSize = TTsPaperSize::Custom;
  square.PrinterSettings.customWidth = square.PrinterSettings.customLength = 1500;
  square.BeginDoc();
  square.NewPage();
  square.EndDoc();
  square.SaveToFile(fileName);
}

QImage RenderDevicePage(TTsPrinter& device, int n) {
  const std::unique_ptr<QPicture> page = device.GetPage(n);
  if (!page) return {};
  QImage image(page->boundingRect().size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawPicture(0, 0, *page);
  return image;
}
