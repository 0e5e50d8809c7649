#include "shell/HistoryChart.h"

#include "shell/HistoryTexts.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

// The days the date axis reaches beyond the first and the last assessment, so that a single
// one is not drawn on the frame.
constexpr int kDateMargin = 10;
// Up to this many assessments each is marked on its lines; more would hide the lines.
constexpr std::size_t kMarkedAssessments = 24;

QLineSeries* NewSeries(QChart& chart, const QString& name, QColor colour, Qt::PenStyle style, bool marked) {
  auto* series = new QLineSeries(&chart);
  series->setName(name);
  series->setPointsVisible(marked);
  series->setPen(QPen(colour, 2, style));
  chart.addSeries(series);
  return series;
}

qreal When(const AssessmentRecord& record) { return qreal(record.date.startOfDay().toMSecsSinceEpoch()); }

// A value axis over the series' points, a little beyond them, on round numbers.
QValueAxis* NewValueAxis(QChart& chart, const QString& title, std::initializer_list<const QLineSeries*> series,
                         Qt::Alignment side) {
  qreal low = 0;
  qreal high = 1;
  bool any = false;
  for (const QLineSeries* line : series)
    for (const QPointF& point : line->points()) {
      low = any ? std::min(low, point.y()) : point.y();
      high = any ? std::max(high, point.y()) : point.y();
      any = true;
    }
  auto* axis = new QValueAxis(&chart);
  axis->setTitleText(title);
  axis->setRange(low - 2, high + 2);
  axis->applyNiceNumbers();
  chart.addAxis(axis, side);
  return axis;
}

}  // namespace

void DrawHistoryChart(QChart& chart, std::span<const AssessmentRecord> history) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
  if (history.empty()) return;

  const bool marked = history.size() <= kMarkedAssessments;
  QLineSeries* weight =
      NewSeries(chart, QStringLiteral("Weight (lbs.)"), QColor(0x20, 0x4a, 0x87), Qt::SolidLine, marked);
  QLineSeries* bodyFat =
      NewSeries(chart, QStringLiteral("Body fat (%)"), QColor(0xce, 0x5c, 0x00), Qt::SolidLine, marked);
  QLineSeries* maximum =
      NewSeries(chart, QStringLiteral("Maximum body fat (%)"), QColor(0xa4, 0x00, 0x00), Qt::DashLine, marked);
  for (const AssessmentRecord& record : history) {
    weight->append(When(record), record.weight);
    if (!ShowsBodyFat(record)) continue;
    bodyFat->append(When(record), qreal(FinalBodyFatHundredths(record)) / 100);
    maximum->append(When(record), record.results.maxBodyFat);
  }

  auto* dates = new QDateTimeAxis(&chart);
  dates->setFormat(QStringLiteral("yyyy-MM-dd"));
  dates->setTitleText(QStringLiteral("Date of the assessment"));
  dates->setRange(history.front().date.addDays(-kDateMargin).startOfDay(),
                  history.back().date.addDays(kDateMargin).startOfDay());
  dates->setTickCount(std::clamp(static_cast<int>(history.size()) + 1, 3, 7));
  chart.addAxis(dates, Qt::AlignBottom);
  QValueAxis* pounds = NewValueAxis(chart, QStringLiteral("Weight (lbs.)"), {weight}, Qt::AlignLeft);
  QValueAxis* percent = NewValueAxis(chart, QStringLiteral("Body fat (%)"), {bodyFat, maximum}, Qt::AlignRight);
  for (QLineSeries* series : {weight, bodyFat, maximum}) series->attachAxis(dates);
  weight->attachAxis(pounds);
  bodyFat->attachAxis(percent);
  maximum->attachAxis(percent);
}
