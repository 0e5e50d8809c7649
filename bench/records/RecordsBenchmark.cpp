// Recording assessments into an SQLite store, and opening a soldier's history with its
// ABCP progress, against the same rows written to and read from a plain file.
//
// Recording: 10,000 assessments of a roster, one transaction each as the roster records
// them, or all in one; the baselines append the same column values as a CSV line to a
// file, synced to the disk after each line (as each SQLite commit is) or not at all.
// History: 100 monthly assessments of one soldier among 10,000 others, read back and their
// progress worked out, from a store already open and from opening it; the baseline reads
// the soldier's 100 lines from a file of that soldier alone and splits them.

#include "records/AbcpProgress.h"
#include "records/AssessmentStore.h"
#include "records/RecordColumns.h"
#include "tests/records/SampleRecords.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

constexpr int kRoster = 10000;
constexpr int kHistory = 100;

AssessmentRecord RosterRow(int i) {
  return MultiSiteMan(QStringLiteral("SOLDIER %1").arg(i), QStringLiteral("%1").arg(100000000 + i), QDate(2026, 6, 1),
                      150 + i % 100, 20 + (i % 100) / 10.0);
}

std::vector<AssessmentRecord> Roster() {
  std::vector<AssessmentRecord> rows;
  for (int i = 0; i < kRoster; ++i) rows.push_back(RosterRow(i));
  return rows;
}

// The soldier's history: a month apart, in and out of the program.
std::vector<AssessmentRecord> LongHistory() {
  std::vector<AssessmentRecord> rows;
  for (int i = 0; i < kHistory; ++i)
    rows.push_back(MultiSiteMan(QStringLiteral("DOE JOHN"), QStringLiteral("123-45-6789"),
                                QDate(2018, 1, 10).addMonths(i), 200 - i % 7, 25 + (i % 9) * 0.5));
  return rows;
}

QByteArray CsvOf(const AssessmentRecord& record) {
  QStringList values;
  for (const RecordColumn& column : RecordColumns()) values << column.value(record).toString();
  return values.join(u',').toUtf8() + '\n';
}

StoreLocation FreshStore(const QTemporaryDir& folder) {
  const QString path = folder.filePath(QStringLiteral("assessments.sqlite"));
  for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) QFile::remove(path + suffix);
  return {.path = path};
}

void BM_RecordRosterOneTransactionEach(benchmark::State& state) {
  const QTemporaryDir folder;
  const std::vector<AssessmentRecord> roster = Roster();
  for (auto _ : state) {
    AssessmentStore store(FreshStore(folder));
    for (const AssessmentRecord& row : roster) store.Record(row);
  }
  state.counters["records/s"] = benchmark::Counter(kRoster * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RecordRosterOneTransactionEach)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_RecordRosterInOneTransaction(benchmark::State& state) {
  const QTemporaryDir folder;
  const std::vector<AssessmentRecord> roster = Roster();
  for (auto _ : state) {
    AssessmentStore store(FreshStore(folder));
    store.RecordAll(roster);
  }
  state.counters["records/s"] = benchmark::Counter(kRoster * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RecordRosterInOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The baselines: the same values as lines of a file, synced after each or never.
void WriteRosterLines(benchmark::State& state, bool syncEach) {
  const QTemporaryDir folder;
  const std::vector<AssessmentRecord> roster = Roster();
  for (auto _ : state) {
    QFile file(folder.filePath(QStringLiteral("roster.csv")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const AssessmentRecord& row : roster) {
      file.write(CsvOf(row));
      if (syncEach) {
        file.flush();
        ::fdatasync(file.handle());
      }
    }
  }
  state.counters["records/s"] = benchmark::Counter(kRoster * state.iterations(), benchmark::Counter::kIsRate);
}
void BM_PlainFileSyncedEachLine(benchmark::State& state) { WriteRosterLines(state, true); }
BENCHMARK(BM_PlainFileSyncedEachLine)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
void BM_PlainFileUnsynced(benchmark::State& state) { WriteRosterLines(state, false); }
BENCHMARK(BM_PlainFileUnsynced)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A store holding the roster and the soldier's long history.
class HistoryStore {
 public:
  HistoryStore() : location_(FreshStore(folder_)) {
    AssessmentStore store(location_);
    store.RecordAll(Roster());
    store.RecordAll(LongHistory());
  }
  const StoreLocation& Location() const { return location_; }

 private:
  QTemporaryDir folder_;
  StoreLocation location_;
};

void BM_HistoryFromOpenStore(benchmark::State& state) {
  const HistoryStore data;
  AssessmentStore store(data.Location());
  for (auto _ : state) {
    const std::vector<AssessmentRecord> history = store.History(store.FindSoldiers(QStringLiteral("123456789")).front());
    benchmark::DoNotOptimize(AbcpProgressOf(history));
  }
}
BENCHMARK(BM_HistoryFromOpenStore)->Unit(benchmark::kMillisecond);

void BM_HistoryOpeningTheStore(benchmark::State& state) {
  const HistoryStore data;
  for (auto _ : state) {
    AssessmentStore store(data.Location());
    const std::vector<AssessmentRecord> history = store.History(store.FindSoldiers(QStringLiteral("123456789")).front());
    benchmark::DoNotOptimize(AbcpProgressOf(history));
  }
}
BENCHMARK(BM_HistoryOpeningTheStore)->Unit(benchmark::kMillisecond);

void BM_HistoryFromPlainFile(benchmark::State& state) {
  const QTemporaryDir folder;
  QFile file(folder.filePath(QStringLiteral("history.csv")));
  file.open(QIODevice::WriteOnly);
  for (const AssessmentRecord& row : LongHistory()) file.write(CsvOf(row));
  file.close();
  for (auto _ : state) {
    file.open(QIODevice::ReadOnly);
    std::vector<QStringList> rows;
    while (!file.atEnd()) rows.push_back(QString::fromUtf8(file.readLine()).split(u','));
    file.close();
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(BM_HistoryFromPlainFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
