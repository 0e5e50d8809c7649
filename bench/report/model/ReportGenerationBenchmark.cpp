// A one-page report of 200 labels and 60 lines generated through the report engine,
// against drawing the same primitives with plain QPainter calls on the same kind of
// device: into a page picture (the page store), and onto a 600-dpi PDF printer.
// The ratio of each pair is the engine's overhead.

#include "report/device/TsPrinter.h"
#include "report/model/Report.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kLabels = 200;
constexpr int kLines = 60;

std::unique_ptr<TReport> BuildReport() {
  auto report = std::make_unique<TReport>();
  report->SetUnits(TTsUnit::Inches);
  report->Page().SetPaperSize(TTsPaperSize::Letter);
  report->Page().SetValues({127, 2794, 127, 2159, 127, 127, 0});
  TTsFont font;
  font.size = 7;
  report->SetFont(font);
  report->Frame.DrawTop = report->Frame.DrawBottom = report->Frame.DrawLeft = report->Frame.DrawRight = true;
  TTsBand& title = report->AddBand(QStringLiteral("TitleBand1"), TTsBandType::rbTitle);
  title.SetBound(TTsBand::Height, 40);
  const TTsAlignment alignments[] = {TTsAlignment::taLeftJustify, TTsAlignment::taRightJustify,
                                     TTsAlignment::taCenter};
  for (int i = 0; i < kLabels; ++i) {
    TTsLabel& label = report->AddLabel(QStringLiteral("Label%1").arg(i));
    label.SetBounds(60 + (i % 5) * 140, 100 + (i / 5) * 22, 120, 17);
    label.SetAlignment(alignments[i % 3]);
    label.SetAutoSize(i % 2 == 0);
    if (i % 10 == 0) {
      TTsFont bold = font;
      bold.size = 10;
      bold.bold = true;
      label.SetFont(bold);
    }
    label.SetCaption(QStringLiteral("Value %1 lbs.").arg(i * 7));
  }
  for (int i = 0; i < kLines; ++i) {
    TTsShape& line = report->AddShape(QStringLiteral("Shape%1").arg(i));
    const bool across = i % 2 == 0;
    line.Shape = across ? TTsShapeType::tsHorLine : TTsShapeType::tsVertLine;
    if (across) line.SetBounds(48, 95 + i * 15, 720, 14);
    else line.SetBounds(60 + (i % 10) * 70, 100, 9, 880);
  }
  return report;
}

// The primitives the report draws, in device pixels at 96 pixels per inch, for drawing
// them by hand.
struct TextPrimitive {
  QRect box;
  QFont font;
  QString text;
  TTsAlignment alignment;
};

struct Primitives {
  std::vector<TextPrimitive> texts;
  std::vector<QLine> lines;
};

Primitives CollectPrimitives(const TReport& report) {
  Primitives primitives;
  for (const TTsPrintable* item : report.Items()) {
    const QRect box(item->Bound(TTsPrintable::Left), item->Bound(TTsPrintable::Top),
                    item->Bound(TTsPrintable::Width), item->Bound(TTsPrintable::Height));
    if (const auto* label = dynamic_cast<const TTsLabel*>(item)) {
      primitives.texts.push_back({box, label->Font().ToQFont(), label->Caption(), label->Alignment()});
    } else if (const auto* shape = dynamic_cast<const TTsShape*>(item)) {
      if (shape->Shape == TTsShapeType::tsHorLine) {
        const int y = box.top() + box.height() / 2;
        primitives.lines.emplace_back(box.left(), y, box.right(), y);
      } else {
        const int x = box.left() + box.width() / 2;
        primitives.lines.emplace_back(x, box.top(), x, box.bottom());
      }
    }
  }
  return primitives;
}

// Draws the primitives scaled by `scale` device pixels per 96-dpi pixel. States are set
// only when they change, as the engine sets them: QPainter::fillRect would put the pen and
// brush back after each fill, and a picture records every such change.
void DrawByHand(QPainter& painter, const Primitives& primitives, qreal scale) {
  auto scaled = [scale](QRect r) {
    return QRect(qRound(r.left() * scale), qRound(r.top() * scale), qRound(r.width() * scale),
                 qRound(r.height() * scale));
  };
  auto fill = [&painter](const QRect& area, const QColor& color) {
    painter.setPen(Qt::NoPen);
    if (painter.brush() != QBrush(color)) painter.setBrush(color);
    painter.drawRect(area);
  };
  fill(scaled(QRect(48, 48, 720, 40)), Qt::white);
  for (const TextPrimitive& text : primitives.texts) {
    const QRect box = scaled(text.box);
    fill(box, Qt::white);
    if (painter.font() != text.font) painter.setFont(text.font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    int x = box.left();
    if (text.alignment == TTsAlignment::taRightJustify) x = box.right() - metrics.horizontalAdvance(text.text);
    if (text.alignment == TTsAlignment::taCenter) x = box.center().x() - metrics.horizontalAdvance(text.text) / 2;
    painter.drawText(QPoint(x, box.top() + metrics.ascent()), text.text);
  }
  painter.setPen(QPen(Qt::black, 1));
  for (const QLine& line : primitives.lines) {
    painter.drawLine(qRound(line.x1() * scale), qRound(line.y1() * scale), qRound(line.x2() * scale),
                     qRound(line.y2() * scale));
  }
  const int thickness = qMax(1, qRound(scale * 96 / 72));
  const QRect frame = scaled(QRect(48, 48, 720, 960));
  fill(QRect(frame.left(), frame.top(), frame.width(), thickness), Qt::black);
  fill(QRect(frame.left(), frame.bottom() - thickness, frame.width(), thickness), Qt::black);
  fill(QRect(frame.left(), frame.top(), thickness, frame.height()), Qt::black);
  fill(QRect(frame.right() - thickness, frame.top(), thickness, frame.height()), Qt::black);
}

QString PdfPath() { return QDir::temp().filePath(QStringLiteral("corvane-bench-report-model.pdf")); }

void PreparePdfPrinter(QPrinter& printer) {
  printer.setOutputFileName(PdfPath());
  printer.setResolution(600);
  printer.setPageSize(QPageSize(QPageSize::Letter));
}

void BM_GenerateIntoPageStore(benchmark::State& state) {
  const auto report = BuildReport();
  for (auto _ : state) {
    TTsPrinter device;
    report->CreateReportOn(device);
    benchmark::DoNotOptimize(device.AvailablePages());
  }
}

void BM_HandDrawnPicture(benchmark::State& state) {
  const Primitives primitives = CollectPrimitives(*BuildReport());
  for (auto _ : state) {
    QPicture picture;
    picture.setBoundingRect(QRect(0, 0, 816, 1056));
    QPainter painter(&picture);
    DrawByHand(painter, primitives, 1.0);
    painter.end();
    benchmark::DoNotOptimize(picture.size());
  }
}

// The same hand drawing on the output device: what the page store itself adds.
void BM_HandDrawnIntoPageStore(benchmark::State& state) {
  const Primitives primitives = CollectPrimitives(*BuildReport());
  for (auto _ : state) {
    TTsPrinter device;
    device.BeginDoc();
    device.NewPage();
    DrawByHand(*device.Canvas(), primitives, 1.0);
    device.EndDoc();
    benchmark::DoNotOptimize(device.AvailablePages());
  }
}

void BM_GenerateOnPdfPrinter(benchmark::State& state) {
  const auto report = BuildReport();
  for (auto _ : state) {
    TTsPrinter device;
    device.Destination = TsDestination::Printer;
    PreparePdfPrinter(device.Printer());
    report->CreateReportOn(device);
    benchmark::DoNotOptimize(device.AvailablePages());
  }
}

void BM_HandDrawnPdfPrinter(benchmark::State& state) {
  const Primitives primitives = CollectPrimitives(*BuildReport());
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePdfPrinter(printer);
    QPainter painter(&printer);
    DrawByHand(painter, primitives, 600.0 / 96);
    painter.end();
  }
}

}  // namespace

BENCHMARK(BM_GenerateIntoPageStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandDrawnPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandDrawnIntoPageStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateOnPdfPrinter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandDrawnPdfPrinter)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  QFile::remove(PdfPath());
  return 0;
}
