// Opening a soldier's history of 100 monthly assessments in the History window, among
// 10,000 other soldiers' records: from the search (an SSAN typed, Find) to the table and the
// chart filled, and to the window drawn as well; against reading the same history with its
// ABCP progress from the open store, which the window does first.

#include "records/AbcpProgress.h"
#include "records/AssessmentConversion.h"
#include "records/AssessmentStore.h"
#include "shell/AssessmentRecorder.h"
#include "shell/HistoryForm.h"
#include "tests/records/SampleRecords.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kOthers = 10000;
constexpr int kHistory = 100;
const QString kSsan = QStringLiteral("123-45-6789");

struct Filled {
  QTemporaryDir folder;
  std::unique_ptr<AssessmentRecorder> recorder;

  Filled() {
    recorder = std::make_unique<AssessmentRecorder>(folder.filePath(QStringLiteral("records.sqlite")),
                                                    QCoreApplication::applicationDirPath());
    std::vector<AssessmentRecord> rows;
    for (int i = 0; i < kOthers; ++i)
      rows.push_back(MultiSiteMan(QStringLiteral("SOLDIER %1").arg(i), QString::number(200000000 + i),
                                  QDate(2026, 6, 1), 150 + i % 100, 20 + (i % 100) / 10.0));
    for (int i = 0; i < kHistory; ++i)
      rows.push_back(MultiSiteMan(QStringLiteral("DOE JOHN"), kSsan, QDate(2018, 1, 10).addMonths(i), 200 - i % 7,
                                  25 + (i % 9) * 0.5));
    recorder->Store().RecordAll(rows);
  }
};

Filled& Store() {
  static Filled filled;
  return filled;
}

void BM_HistoryFromOpenStore(benchmark::State& state) {
  AssessmentStore& store = Store().recorder->Store();
  for (auto _ : state) {
    const QStringList soldiers = store.FindSoldiers(kSsan);
    const std::vector<AssessmentRecord> history = store.History(soldiers.front());
    benchmark::DoNotOptimize(AbcpProgressOf(history));
  }
}
BENCHMARK(BM_HistoryFromOpenStore)->Unit(benchmark::kMillisecond);

void BM_HistoryWindowFilled(benchmark::State& state) {
  THistoryForm window(*Store().recorder);
  window.show();
  window.SearchField->setText(kSsan);
  for (auto _ : state) {
    window.FindClick();
    if (window.AssessmentTable->rowCount() != kHistory) state.SkipWithError("the history was not shown");
  }
}
BENCHMARK(BM_HistoryWindowFilled)->Unit(benchmark::kMillisecond);

void BM_HistoryWindowDrawn(benchmark::State& state) {
  THistoryForm window(*Store().recorder);
  window.resize(980, 640);
  window.show();
  window.SearchField->setText(kSsan);
  for (auto _ : state) {
    window.FindClick();
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(BM_HistoryWindowDrawn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
