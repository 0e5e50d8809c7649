// How long drawing one page takes, and how much memory it adds, at the preview's sizes
// (zoom to fit on a 1080-line screen, 88 %, and 100 %) and at 600 dpi (an image of the
// Letter sheet, as a printer draws it), smoothed as the preview draws: the genuine
// worksheets, filled to their widest, against the pages at the limits of what a page may
// ask for (the dearest pages the check accepts, loaded from page files as the preview
// loads them). The ratio of each to the dearest genuine worksheet at the same size is
// printed at the end, with the time it takes to refuse the page files that once froze the
// preview, as filed and with their pens and radii brought within the page.

#include "report/device/PagePicture.h"
#include "report/device/TsPrinter.h"
#include "tests/report/support/CostlyPages.h"
#include "tests/worksheets/WidestWorksheets.h"

#include <QGuiApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>

namespace {

struct DrawingSize {
  const char* name;
  QSize pixels;
};

constexpr DrawingSize kSizes[] = {
    {"fit", {718, 929}},
    {"100%", {816, 1056}},
    {"600dpi", {5100, 6600}},
};

struct NamedPage {
  std::string name;
  std::shared_ptr<QPicture> picture;
  bool genuine = false;
};

// The page as the preview gets it: saved to a page file, loaded and fetched.
std::shared_ptr<QPicture> Loaded(const CraftedPage& page, const QString& fileName) {
  SavePageFile(page, fileName);
  TTsPrinter device;
  device.LoadFromFile(fileName);
  return device.GetPage(1);
}

double MegabytesOf(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field)) return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024;
  return 0;
}

// Resets the peak resident size the kernel keeps for this process.
void ResetPeak() {
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

void Draw(const QPicture& page, QImage& image) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawPagePicture(painter, page, QRectF(QPointF(0, 0), image.size()));
}

struct Peak {
  double total = 0;
  double added = 0;
};
std::map<std::string, Peak> peaks;

void DrawPage(benchmark::State& state, const NamedPage& page, DrawingSize size, const std::string& name) {
  QImage image(size.pixels, QImage::Format_RGB32);
  image.fill(Qt::white);
  const double before = MegabytesOf("VmRSS:");
  ResetPeak();
  Draw(*page.picture, image);
  peaks[name] = {MegabytesOf("VmHWM:"), MegabytesOf("VmHWM:") - before};
  for (auto _ : state) {
    state.PauseTiming();
    image.fill(Qt::white);
    state.ResumeTiming();
    Draw(*page.picture, image);
  }
}

void RefuseFile(benchmark::State& state, const QString& fileName) {
  for (auto _ : state) {
    TTsPrinter device;
    try {
      device.LoadFromFile(fileName);
      state.SkipWithError("accepted");
    } catch (const TsPrintError&) {
    }
  }
}

// Keeps each run's CPU time per call, so the ratios can be printed at the end.
class CpuTimeReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> milliseconds;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        milliseconds[run.benchmark_name()] =
            run.GetAdjustedCPUTime() * 1000.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  QTemporaryDir dir;

  std::vector<NamedPage> pages;
  for (GenuinePage& page : WidestWorksheetPages())
    pages.push_back({page.name.toStdString(), std::make_shared<QPicture>(page.picture), true});
  for (const CraftedPage& page : PagesAtTheLimits())
    pages.push_back({page.name.toStdString(), Loaded(page, dir.filePath(QStringLiteral("limit.tsr")))});

  for (const DrawingSize& size : kSizes)
    for (const NamedPage& page : pages) {
      if (!page.picture) {
        std::cerr << page.name << " was refused\n";
        return 1;
      }
      const std::string name = "draw/" + std::string(size.name) + "/" + page.name;
      benchmark::RegisterBenchmark(name.c_str(), DrawPage, page, size, name)->Unit(benchmark::kMillisecond);
    }
  int n = 0;
  for (const auto& [pages, how] : {std::pair(HostilePages(), " as filed"), std::pair(HostilePages(816, 400), ", pen 816, radius 400")})
    for (const CraftedPage& page : pages) {
      const QString fileName = dir.filePath(QStringLiteral("hostile-%1.tsr").arg(++n));
      SavePageFile(page, fileName);
      benchmark::RegisterBenchmark(("refuse/" + page.name.toStdString() + how).c_str(), RefuseFile, fileName)
          ->Unit(benchmark::kMillisecond);
    }

  CpuTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\nCPU time per page as a multiple of the dearest genuine worksheet at the same size, and the\n"
              "peak resident memory while drawing it (the process's, and what the drawing added):\n");
  for (const DrawingSize& size : kSizes) {
    const std::string prefix = "draw/" + std::string(size.name) + "/";
    double baseline = 0;
    for (const NamedPage& page : pages)
      if (page.genuine && reporter.milliseconds.count(prefix + page.name) > 0)
        baseline = std::max(baseline, reporter.milliseconds[prefix + page.name]);
    if (baseline == 0) continue;  // no genuine worksheet drawn at this size
    std::printf("%s (%d x %d):\n", size.name, size.pixels.width(), size.pixels.height());
    for (const NamedPage& page : pages) {
      const std::string name = prefix + page.name;
      if (reporter.milliseconds.count(name) == 0) continue;  // not run
      std::printf("  %-52s %9.2f ms %7.2f x   peak %5.0f MB, added %5.0f MB\n", page.name.c_str(),
                  reporter.milliseconds[name], reporter.milliseconds[name] / baseline, peaks[name].total,
                  peaks[name].added);
    }
  }
  for (const auto& [name, milliseconds] : reporter.milliseconds)
    if (name.rfind("refuse/", 0) == 0) std::printf("%s: refused in %.2f ms\n", name.c_str(), milliseconds);
  return 0;
}
