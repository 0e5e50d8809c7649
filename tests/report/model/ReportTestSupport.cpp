#include "ReportTestSupport.h"

#include "report/device/PagePicture.h"

#include <QPainter>
#include <QPicture>

TTsFont PinnedFont(int size) {
  TTsFont font;
  font.name = QStringLiteral("Liberation Sans");
  font.size = size;
  return font;
}

std::unique_ptr<TReport> NewLetterReport() {
  auto report = std::make_unique<TReport>();
  report->SetUnits(TTsUnit::Inches);
  report->Page().SetOrientation(TTsOrientation::poPortrait);
  report->Page().SetPaperSize(TTsPaperSize::Letter);
  report->Page().SetValues({127, 2794, 127, 2159, 127, 127, 0});
  report->SetFont(PinnedFont());
  return report;
}

TTsLabel& PlaceLabel(TReport& report, const QString& name, QRect bounds, const QString& caption,
                     bool autoSize) {
  TTsLabel& label = report.AddLabel(name);
  label.SetAutoSize(autoSize);
  label.SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
  label.SetCaption(caption);
  return label;
}

std::unique_ptr<TTsPrinter> GenerateIntoStore(TReport& report) {
  auto device = std::make_unique<TTsPrinter>();
  report.CreateReportOn(*device);
  return device;
}

QImage RenderStoredPage(TTsPrinter& device, int page) {
  const std::unique_ptr<QPicture> picture = device.GetPage(page);
  if (!picture) return {};
  QImage image(picture->boundingRect().size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawPagePicture(painter, *picture, QRectF(image.rect()));
  return image;
}

bool IsDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

bool AnyDark(const QImage& image, QRect area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (IsDark(image, x, y)) return true;
    }
  }
  return false;
}

int DarkRunDown(const QImage& image, int x, int y) {
  int run = 0;
  while (y + run < image.height() && IsDark(image, x, y + run)) ++run;
  return run;
}
