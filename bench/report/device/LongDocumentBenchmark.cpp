// A 10,000-page document through the output device: how much resident memory the
// document adds once its page store has moved to the temporary file, and how long
// fetching page 1, 5,000 and 10,000 takes (page 1, found at the first record, is the
// baseline the others are compared with). Also what the check of a picture's commands,
// which every fetched page passes, costs against Qt's own loading of the same picture.

#include "report/device/PagePicture.h"
#include "report/device/PictureCommandCheck.h"
#include "report/device/TsPageList.h"
#include "report/device/TsPrinter.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPicture>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <iostream>
#include <map>
#include <string>

namespace {

constexpr int kPages = 10000;

double ResidentMegabytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0) : 0;
}

void DrawPage(TTsPrinter& device, int n) {
  QPainter& canvas = *device.Canvas();
  canvas.setFont(QFont(QStringLiteral("Liberation Sans"), 10));
  for (int line = 0; line < 4; ++line) {
    const long double top = 200 + line * 100;
    canvas.drawText(device.XPos(200), device.YPos(top + 60),
                    QStringLiteral("Page %1, line %2 of the long document").arg(n).arg(line + 1));
    canvas.drawLine(device.XPos(200), device.YPos(top + 90), device.XPos(1900), device.YPos(top + 90));
  }
}

struct LongDocument {
  TTsPrinter device;
  double residentAtSpill = 0;
  double residentAtEnd = 0;
  int spilledAtPage = 0;
};

void Generate(LongDocument& document) {
  TTsPrinter& device = document.device;
  device.BeginDoc();
  for (int n = 1; n <= kPages; ++n) {
    device.NewPage();
    DrawPage(device, n);
    if (document.spilledAtPage == 0 && device.PageList()->Stream().Spilled()) {
      document.spilledAtPage = n;
      document.residentAtSpill = ResidentMegabytes();
    }
  }
  device.EndDoc();
  document.residentAtEnd = ResidentMegabytes();
}

// Fetches page n; with fromFirst, the walk starts at page 1 every time.
void FetchPage(benchmark::State& state, TTsPrinter& device, int n, bool fromFirst) {
  for (auto _ : state) {
    if (fromFirst) {
      state.PauseTiming();
      benchmark::DoNotOptimize(device.GetPage(1));
      state.ResumeTiming();
    }
    auto page = device.GetPage(n);
    if (!page) state.SkipWithError("page missing");
    benchmark::DoNotOptimize(page);
  }
}

void CheckPicture(benchmark::State& state, const QByteArray& bytes) {
  for (auto _ : state) {
    if (!PictureCommandProblem(bytes).isEmpty()) state.SkipWithError("page refused");
  }
}

void LoadPicture(benchmark::State& state, const QByteArray& bytes) {
  for (auto _ : state) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QPicture picture;
    benchmark::DoNotOptimize(picture.load(&buffer));
  }
}

// Keeps each run's time per call so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Milliseconds {
    double real = 0;
    double cpu = 0;
  };
  std::map<std::string, Milliseconds> perCall;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const double toMilliseconds = 1000.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      perCall[run.benchmark_name()] = {run.GetAdjustedRealTime() * toMilliseconds,
                                       run.GetAdjustedCPUTime() * toMilliseconds};
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);

  LongDocument document;
  Generate(document);
  const double growth = document.residentAtEnd - document.residentAtSpill;

  benchmark::RegisterBenchmark("GetPage/1", FetchPage, std::ref(document.device), 1, false)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("GetPage/5000_from_1", FetchPage, std::ref(document.device), 5000, true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("GetPage/10000", FetchPage, std::ref(document.device), kPages, false)
      ->Unit(benchmark::kMicrosecond);
  const QByteArray pageBytes = PictureRecordBytes(*document.device.GetPage(1), false);
  benchmark::RegisterBenchmark("PictureCheck", CheckPicture, pageBytes)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("PictureLoad", LoadPicture, pageBytes)->Unit(benchmark::kMicrosecond);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::cout << "\nDocument of " << kPages << " pages, " << document.device.PageList()->Stream().Size() / 1024
            << " KiB; store spilled at page " << document.spilledAtPage << "\n"
            << "Resident memory growth after the spill: " << growth << " MB (goal: at most 16 MB)\n";
  const RatioReporter::Milliseconds check = reporter.perCall["PictureCheck"];
  std::cout << "Checking a page's commands: " << check.cpu << " ms CPU, " << check.cpu / reporter.perCall["PictureLoad"].cpu
            << " x loading it with QPicture::load\n";
  const RatioReporter::Milliseconds baseline = reporter.perCall["GetPage/1"];
  for (const auto& [name, time] : reporter.perCall) {
    if (name.rfind("GetPage", 0) != 0) continue;
    std::cout << name << ": " << time.real << " ms per call, " << time.cpu << " ms CPU (goal: under 5 ms); "
              << time.real / baseline.real << " x GetPage/1\n";
  }
  return 0;
}
