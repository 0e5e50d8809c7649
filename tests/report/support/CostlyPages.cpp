#include "tests/report/support/CostlyPages.h"

#include "report/device/PagePicture.h"
#include "report/device/PictureCommandCheck.h"
#include "report/device/TsPageList.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>

#include <algorithm>

namespace {

constexpr QSize kLetterPage(816, 1056);
constexpr double kNearTheLimit = 0.97;

using Draw = std::function<void(QPainter& painter, int n)>;

// A row of the page for the n-th drawing, so that repeated drawings spread over it.
double Row(int n) { return 20 + (n * 37) % 1000; }

QPainterPath CurvedPath(int curves, double reach, QPointF centre) {
  QPainterPath path(centre);
  for (int n = 0; n < curves; ++n) {
    const double side = n % 2 == 0 ? reach : -reach;
    path.cubicTo(centre + QPointF(reach, -reach), centre + QPointF(-reach, reach), centre + QPointF(side, 0));
  }
  return path;
}

void WithPen(QPainter& painter, double width) {
  painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void WithFont(QPainter& painter, int pixels) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixels);
  painter.setFont(font);
}

// Adds a part that makes draw as often as the page's estimated work stays within share of
// the limit, counted from what the first drawing costs. A setup draws once before it.
void AddUpTo(double share, CraftedPage& page, const Draw& setup, const Draw& draw) {
  const double most = kMostPageDrawingWork.cost * share;
  const auto cost = [&page, most] { return CraftedWork(page).value_or(PageDrawingWork{2 * most}).cost; };
  page.parts.append({setup, 1});
  const double before = cost();
  page.parts.append({draw, 1});
  const double each = cost() - before;
  int& count = page.parts.last().count;
  count = int(std::clamp(each > 0 ? (most - before) / each : 0, 0.0, 1e7));
  while (count > 0 && cost() > most) count = count * 49 / 50;  // drawings that cost more than the first
}

CraftedPage AtTheLimit(const QString& name, const Draw& setup, const Draw& draw) {
  CraftedPage page{name, {}};
  AddUpTo(kNearTheLimit, page, setup, draw);
  return page;
}

// A line of text of the given length, on the n-th row.
Draw TextLine(const QString& text) {
  return [text](QPainter& painter, int n) { painter.drawText(QPointF(5, Row(n)), text); };
}

// A polyline of 200 points in steps of three pixels across and one down.
void Steps(QPainter& painter, int n) {
  QPolygonF points;
  for (int step = 0; step < 200; ++step) points << QPointF(10 + n % 200 * 4 + step % 2 * 3, 10 + step);
  painter.drawPolyline(points);
}

}  // namespace

QList<CraftedPage> HostilePages(double penWidth, double radius) {
  const auto pen = [penWidth](QPainter& painter, int) { WithPen(painter, penWidth); };
  const auto polyline = [](QPainter& painter, int) {
    QPolygonF points;
    for (int n = 0; n < 100000; ++n) points << QPointF((n * 37) % 816, (n * 91) % 1056);
    painter.drawPolyline(points);
  };
  const QPointF centre(408, 528);
  return {
      {"100,000 ellipses",
       {{pen, 1}, {[=](QPainter& painter, int) { painter.drawEllipse(centre, radius, radius); }, 100000}}},
      {"a path of 33,333 cubic curves filled six times",
       {{[](QPainter& painter, int) {
           painter.setPen(Qt::NoPen);
           painter.setBrush(Qt::black);
         }, 1},
        {[path = CurvedPath(33333, radius, centre)](QPainter& painter, int) { painter.drawPath(path); }, 6}}},
      {"eight polylines of 100,000 points", {{pen, 1}, {polyline, 8}}},
  };
}

QList<CraftedPage> PagesAtTheLimits() {
  const auto black = [](QPainter& painter, int) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
  };
  const auto pen = [](double width, Qt::PenCapStyle cap = Qt::FlatCap, Qt::PenJoinStyle join = Qt::BevelJoin,
                      Qt::PenStyle style = Qt::SolidLine) {
    return [=](QPainter& painter, int) { painter.setPen(QPen(Qt::black, width, style, cap, join)); };
  };
  const auto font = [](int pixels) { return [pixels](QPainter& painter, int) { WithFont(painter, pixels); }; };
  const auto across = [](QPainter& painter, int n) { painter.drawLine(QPointF(0, Row(n)), QPointF(816, Row(n))); };
  const auto diagonal = [](QPainter& painter, int n) {
    painter.drawLine(QPointF(n % 2 * 816, 0), QPointF((n + 1) % 2 * 816, 1056));
  };
  const auto page = [](QPainter& painter, int) { painter.drawRect(QRectF(0, 0, 816, 1056)); };
  const auto triangle = [](QPainter& painter, int) {
    QPainterPath path(QPointF(0, 0));
    path.lineTo(816, 0);
    path.lineTo(0, 1056);
    path.closeSubpath();
    painter.drawPath(path);
  };
  const auto curves = [](double reach) {
    return [path = CurvedPath(100, reach, QPointF(408, 528))](QPainter& painter, int) { painter.drawPath(path); };
  };
  QList<CraftedPage> pages = {
      AtTheLimit(QStringLiteral("hairlines across the page"), pen(1, Qt::RoundCap), diagonal),
      AtTheLimit(QStringLiteral("strokes as wide as the page"), pen(816, Qt::RoundCap, Qt::RoundJoin), across),
      AtTheLimit(QStringLiteral("strokes 20 pixels wide, slanted"), pen(20, Qt::RoundCap, Qt::RoundJoin), diagonal),
      AtTheLimit(QStringLiteral("strokes 100 pixels wide, square caps"), pen(100, Qt::SquareCap, Qt::MiterJoin), across),
      AtTheLimit(QStringLiteral("filled pages"), black, page),
      AtTheLimit(QStringLiteral("filled triangles"), black, triangle),
      AtTheLimit(QStringLiteral("pages filled with a cross hatch"),
                 [](QPainter& painter, int) {
                   painter.setPen(Qt::NoPen);
                   painter.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
                 },
                 page),
      AtTheLimit(QStringLiteral("ellipses as large as the page, pen 50"), pen(50), [](QPainter& p, int) {
        p.drawEllipse(QRectF(0, 0, 816, 1056));
      }),
      AtTheLimit(QStringLiteral("letters 400 pixels high"), font(400), TextLine(QStringLiteral("WW"))),
      AtTheLimit(QStringLiteral("10-point text, 10 letters a line"), font(13), TextLine(QStringLiteral("abcdefghij"))),
      AtTheLimit(QStringLiteral("11-pixel text, 100 letters a line"), font(11), TextLine(QString(100, QLatin1Char('a')))),
      AtTheLimit(QStringLiteral("6-point text, 100 letters a line"), font(8), TextLine(QString(100, QLatin1Char('W')))),
      AtTheLimit(QStringLiteral("polylines of steps, round joins"), pen(1, Qt::RoundCap, Qt::RoundJoin), Steps),
      AtTheLimit(QStringLiteral("polylines of steps, pen 2"), pen(2), Steps),
      AtTheLimit(QStringLiteral("filled paths of small curves"), black, curves(20)),
      AtTheLimit(QStringLiteral("filled paths of curves over half the page"), black, curves(200)),
      AtTheLimit(QStringLiteral("dotted lines"), pen(1, Qt::FlatCap, Qt::BevelJoin, Qt::DotLine), across),
      AtTheLimit(QStringLiteral("short lines"), pen(1), [](QPainter& p, int n) {
        p.drawLine(QPointF(n % 800, Row(n)), QPointF(n % 800 + 2, Row(n)));
      }),
  };
  CraftedPage mixed{"text, hairlines and round joins at once", {}};
  AddUpTo(0.33, mixed, font(13), TextLine(QStringLiteral("abcdefghij")));
  AddUpTo(0.66, mixed, pen(1, Qt::RoundCap), diagonal);
  AddUpTo(kNearTheLimit, mixed, pen(1, Qt::RoundCap, Qt::RoundJoin), Steps);
  pages.append(mixed);
  return pages;
}

std::unique_ptr<QPicture> CraftPicture(const CraftedPage& page) {
  std::unique_ptr<QPicture> picture = NewPagePicture(kLetterPage);
  QPainter painter(picture.get());
  for (const CraftedPart& part : page.parts)
    for (int n = 0; n < part.count; ++n) part.draw(painter, n);
  painter.end();
  return picture;
}

std::optional<PageDrawingWork> CraftedWork(const CraftedPage& page) {
  return PictureDrawingWork(PictureRecordBytes(*CraftPicture(page), false));
}

void SavePageFile(const CraftedPage& page, const QString& fileName) {
  TTsPageList store(false, 96);
  store.AddPage(*CraftPicture(page));
  store.WriteHeader();
  QFile file(fileName);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) store.CopyTo(file);
}
