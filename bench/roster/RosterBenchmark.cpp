// A roster of 1,000 soldiers taken to PDF as the program takes it (reading, evaluating and
// drawing every worksheet straight into the PDF), against drawing the same 1,000 pages with
// raw QPainter calls into a QPdfWriter; the ratio of the two is what the program adds to the
// drawing itself. The raw drawing is measured at the PDF's resolution (that of the page
// store, 96 pixels per inch offscreen) and at the export's (1200), which costs a little more.
// For comparison, the same roster into the page store alone, and into the store and exported
// from there, the preview's way to a PDF. The repetitions run interleaved, so that a machine
// busy with other work for a while slows them alike. The memory of a long roster is measured
// by bench_roster_memory, on the program itself.

#include "BenchRoster.h"
#include "PrimitiveRecorder.h"

#include "report/device/TsPrinter.h"
#include "roster/RosterRun.h"
#include "standards/Calculate.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <sstream>
#include <vector>

namespace {

constexpr int kSoldiers = 1000;
constexpr int kStoreResolution = 96;     // the page store's offscreen, and the straight PDF's
constexpr int kExportResolution = 1200;  // the export's from the page store

QTemporaryDir* workDir = nullptr;

QString WorkFile(const QString& name) { return workDir->filePath(name); }

QString WriteRoster(int soldiers) {
  const QString path = WorkFile(QStringLiteral("roster-%1.csv").arg(soldiers));
  return WriteBenchRoster(path, soldiers) ? path : QString();
}

enum class Path { Straight, PageStore, ThroughPageStore };

// The roster's worksheets straight into the PDF, into the page store, or into the store and
// exported from there.
void BM_Roster(benchmark::State& state, const QString& roster, Path path) {
  const QString pdf = path == Path::PageStore ? QString() : WorkFile(QStringLiteral("roster.pdf"));
  for (auto _ : state) {
    TTsPrinter device;
    std::ostringstream errors;
    const RosterSummary summary = RunRoster({roster, pdf, QString(), false, path != Path::Straight}, device, errors);
    if (summary.refused != 0 || device.PageCount() != kSoldiers) state.SkipWithError("soldiers refused");
  }
  state.counters["soldiers_per_second"] =
      benchmark::Counter(double(kSoldiers) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RawPainterPdf(benchmark::State& state, const std::vector<std::vector<DrawingCall>>& pages, int dpi) {
  for (auto _ : state) {
    QPdfWriter writer(WorkFile(QStringLiteral("raw.pdf")));
    writer.setResolution(dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    for (std::size_t n = 0; n < pages.size(); ++n) {
      if (n > 0) writer.newPage();
      DrawCalls(painter, pages[n]);
    }
  }
  state.counters["pages_per_second"] =
      benchmark::Counter(double(pages.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The drawing calls of every page the roster makes, drawn on a Letter page at the resolution.
std::vector<std::vector<DrawingCall>> RecordPages(TTsPrinter& stored, int dpi) {
  const QRectF letter(0, 0, 8.5 * dpi, 11 * dpi);
  std::vector<std::vector<DrawingCall>> pages;
  for (int n = 1; n <= stored.PageCount(); ++n)
    if (const auto page = stored.GetPage(n)) pages.push_back(RecordDrawingCalls(*page, letter, dpi));
  return pages;
}

// Keeps each run's time so the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> cpuSeconds;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        cpuSeconds[run.run_name.function_name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  LoadTables(QCoreApplication::applicationDirPath().toStdString());
  std::vector<char*> arguments(argv, argv + argc);
  char interleaved[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleaved);  // a later one given by hand still counts
  int argumentCount = static_cast<int>(arguments.size());
  benchmark::Initialize(&argumentCount, arguments.data());
  QTemporaryDir dir;
  workDir = &dir;

  const QString roster = WriteRoster(kSoldiers);
  TTsPrinter stored;
  std::ostringstream errors;
  RunRoster({roster, QString(), QString(), false, true}, stored, errors);
  const std::vector<std::vector<DrawingCall>> pages = RecordPages(stored, kStoreResolution);
  const std::vector<std::vector<DrawingCall>> exportPages = RecordPages(stored, kExportResolution);
  const auto each = [](benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
  };
  each(benchmark::RegisterBenchmark("RosterToPdf/1000", BM_Roster, roster, Path::Straight));
  each(benchmark::RegisterBenchmark("RosterToPageStore/1000", BM_Roster, roster, Path::PageStore));
  each(benchmark::RegisterBenchmark("RosterThroughPageStoreToPdf/1000", BM_Roster, roster, Path::ThroughPageStore));
  each(benchmark::RegisterBenchmark("RawPainterPdf/1000", BM_RawPainterPdf, std::cref(pages), kStoreResolution));
  each(benchmark::RegisterBenchmark("RawPainterPdfAt1200/1000", BM_RawPainterPdf, std::cref(exportPages),
                                    kExportResolution));
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto seconds = [&reporter](const char* name) { return reporter.cpuSeconds[name]; };
  const double straight = seconds("RosterToPdf/1000");
  const double raw = seconds("RawPainterPdf/1000");
  const double raw1200 = seconds("RawPainterPdfAt1200/1000");
  const double through = seconds("RosterThroughPageStoreToPdf/1000");
  if (straight > 0 && raw > 0 && raw1200 > 0 && through > 0)
    std::cout << "\n1,000 soldiers to PDF: " << straight << " s CPU, " << kSoldiers / straight
              << " soldiers per second; the same pages drawn raw: " << raw << " s (" << raw1200
              << " s at 1200 dpi); ratio " << straight / raw << " (" << straight / raw1200
              << " against the raw drawing at 1200 dpi; goal: at most 1.3)\n"
              << "Through the page store and exported: " << through << " s; ratio " << through / raw1200
              << " against the raw drawing at the export's 1200 dpi\n";
  workDir = nullptr;
  return 0;
}
