// A roster of 1,000 soldiers taken to PDF (reading, evaluating, generating every worksheet
// into the page store and exporting it), against drawing the same 1,000 pages with raw
// QPainter calls into a QPdfWriter; the ratio of the two is what the program adds to the
// drawing itself. The same roster into the page store alone splits the time; the same
// roster generated straight onto a PDF printer shows what the store's round trip costs.
// The repetitions of the four run interleaved, so that a machine busy with other work for
// a while slows them alike. Then a roster of 10,000 soldiers to PDF: how much resident
// memory the run adds, and whether any temporary file is left.

#include "BenchRoster.h"
#include "PrimitiveRecorder.h"

#include "report/device/TsPrinter.h"
#include "roster/RosterRun.h"
#include "standards/Calculate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <sstream>
#include <vector>

namespace {

constexpr int kSoldiers = 1000;
constexpr int kLongRoster = 10000;
constexpr int kPdfResolution = 1200;  // as the program's PDF export

QTemporaryDir* workDir = nullptr;

QString WorkFile(const QString& name) { return workDir->filePath(name); }

QString WriteRoster(int soldiers) {
  const QString path = WorkFile(QStringLiteral("roster-%1.csv").arg(soldiers));
  return WriteBenchRoster(path, soldiers) ? path : QString();
}

// With an empty pdf, the worksheets stay in the device's page store.
RosterSummary RunToPdf(const QString& roster, const QString& pdf, TTsPrinter& device) {
  std::ostringstream errors;
  return RunRoster({roster, pdf, QString(), false, pdf.isEmpty()}, device, errors);
}

void BM_Roster(benchmark::State& state, const QString& roster, const QString& pdf) {
  for (auto _ : state) {
    TTsPrinter device;
    const RosterSummary summary = RunToPdf(roster, pdf, device);
    if (summary.refused != 0 || device.PageCount() != kSoldiers) state.SkipWithError("soldiers refused");
  }
  state.counters["soldiers_per_second"] =
      benchmark::Counter(double(kSoldiers) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// For comparison: the same worksheets generated straight onto a PDF printer at the PDF's
// resolution, the output device's printer destination, with no page store in between.
void BM_RosterOnPdfPrinter(benchmark::State& state, const QString& roster) {
  for (auto _ : state) {
    TTsPrinter device;
    device.Destination = TsDestination::Printer;
    device.Printer().setOutputFileName(WorkFile(QStringLiteral("printer.pdf")));
    device.Printer().setResolution(kPdfResolution);
    const RosterSummary summary = RunToPdf(roster, QString(), device);
    if (summary.refused != 0 || device.PageCount() != kSoldiers) state.SkipWithError("soldiers refused");
  }
}

void BM_RawPainterPdf(benchmark::State& state, const std::vector<std::vector<DrawingCall>>& pages) {
  for (auto _ : state) {
    QPdfWriter writer(WorkFile(QStringLiteral("raw.pdf")));
    writer.setResolution(kPdfResolution);
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

// The drawing calls of every page the roster makes, at the PDF's resolution.
std::vector<std::vector<DrawingCall>> RecordPages(const QString& roster) {
  TTsPrinter device;
  RunToPdf(roster, QString(), device);
  const QRectF letter(0, 0, 8.5 * kPdfResolution, 11 * kPdfResolution);
  std::vector<std::vector<DrawingCall>> pages;
  for (int n = 1; n <= device.PageCount(); ++n)
    if (const auto page = device.GetPage(n)) pages.push_back(RecordDrawingCalls(*page, letter, kPdfResolution));
  return pages;
}

double ResidentMegabytes(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').first().toDouble() / 1024;
  return 0;
}

QStringList TemporaryFiles() {
  return QDir::temp().entryList({QStringLiteral("corvane-pages-*")}, QDir::Files) +
         QDir(workDir->path()).entryList({QStringLiteral("*.pdf.*")}, QDir::Files);
}

// The long roster: the peak of resident memory over the run against the memory before it.
void MeasureLongRoster() {
  const QString roster = WriteRoster(kLongRoster);
  const QStringList filesBefore = TemporaryFiles();
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  const bool peakReset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
  clear.close();
  const double before = ResidentMegabytes("VmRSS:");
  int pages = 0;
  {
    TTsPrinter device;
    RunToPdf(roster, WorkFile(QStringLiteral("long.pdf")), device);
    pages = device.PageCount();
  }
  const double peak = ResidentMegabytes("VmHWM:");
  const double after = ResidentMegabytes("VmRSS:");
  std::cout << "\n" << kLongRoster << " soldiers to PDF: " << pages << " pages, "
            << QFile(WorkFile(QStringLiteral("long.pdf"))).size() / (1024 * 1024) << " MiB of PDF\n"
            << "Resident memory: " << before << " MB before, " << after << " MB after; growth at the peak "
            << (peakReset ? QString::number(peak - before, 'f', 1).toStdString() : std::string("unknown"))
            << " MB (goal: at most 64 MB)\n"
            << "Temporary files left: " << (TemporaryFiles() == filesBefore ? "none" : "some") << "\n";
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
  QApplication app(argc, argv);
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
  const std::vector<std::vector<DrawingCall>> pages = RecordPages(roster);
  benchmark::RegisterBenchmark("RosterToPdf/1000", BM_Roster, roster, WorkFile(QStringLiteral("roster.pdf")))
      ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
  benchmark::RegisterBenchmark("RosterToPageStore/1000", BM_Roster, roster, QString())
      ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
  benchmark::RegisterBenchmark("RosterOnPdfPrinter/1000", BM_RosterOnPdfPrinter, roster)
      ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
  benchmark::RegisterBenchmark("RawPainterPdf/1000", BM_RawPainterPdf, std::cref(pages))
      ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const double roster1000 = reporter.cpuSeconds["RosterToPdf/1000"];
  const double raw1000 = reporter.cpuSeconds["RawPainterPdf/1000"];
  if (roster1000 > 0 && raw1000 > 0)
    std::cout << "\n1,000 soldiers to PDF: " << roster1000 << " s CPU, " << kSoldiers / roster1000
              << " soldiers per second; the same pages drawn raw: " << raw1000 << " s; ratio " << roster1000 / raw1000
              << " (goal: at most 1.5)\n";
  MeasureLongRoster();
  workDir = nullptr;
  return 0;
}
