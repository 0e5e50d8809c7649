#include "tests/quality/ResourceProbe.h"

#include "report/device/TsPageList.h"
#include "report/device/TsPrinter.h"
#include "report/device/TsStream.h"
#include "report/preview/TsStandardPreview.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>

#include <cmath>

int CountSpillFiles() {
  // The stream names its spill file corvane-pages-XXXXXX.tmp.
  return static_cast<int>(
      QDir(QDir::tempPath()).entryList({QStringLiteral("corvane-pages-*.tmp")}, QDir::Files | QDir::Hidden).size());
}

LiveEngineObjects LiveEngineObjects::Now() {
  return {LiveInstances<TTsPrinter>::Live(), LiveInstances<TTsPageList>::Live(), LiveInstances<TTsStream>::Live(),
          LiveInstances<TTsStandardPreview>::Live()};
}

QString LiveEngineObjects::ToString() const {
  return QStringLiteral("%1 devices, %2 page stores, %3 streams, %4 preview windows")
      .arg(devices)
      .arg(pageStores)
      .arg(streams)
      .arg(previewWindows);
}

long ResidentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+)\\s+kB"));
  const QRegularExpressionMatch match = rss.match(QString::fromLatin1(status.readAll()));
  return match.hasMatch() ? match.captured(1).toLong() : 0;
}

void DrawDenseFigure(QPainter& canvas, int seed) {
  constexpr int kPoints = 2500;
  QPolygonF figure;
  figure.reserve(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    const double t = (i + seed) * 0.013;
    figure << QPointF(300 + 250 * std::sin(3 * t), 400 + 250 * std::cos(5 * t));
  }
  canvas.drawPolyline(figure);
}
