// The roster's memory as a person measures it: the program run as a child process on large
// rosters, its peak resident memory taken from wait4 (the "Maximum resident set size" that
// /usr/bin/time -v shows) and its CPU time, user and system. The baseline, in the same run,
// is the program on a roster of ten soldiers: what it takes to start, load its tables and
// write results at all; for the worksheets, the ten soldiers' PDF. Goals: any roster under
// the size limit within 256 MB; a million soldiers with their results within 200 MB; the PDF
// of 10,000 soldiers within 64 MB more than that of ten, and no temporary file left.

#include "BenchRoster.h"

#include "roster/RosterFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

QTemporaryDir* workDir = nullptr;

QString WorkFile(const QString& name) { return workDir->filePath(name); }

struct ChildRun {
  int status = -1;  // the exit status; -1 when it did not exit normally or did not start
  double peakMegabytes = 0;
  double cpuSeconds = 0;
};

double Seconds(const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; }

// Runs the program on the arguments without a display, its output discarded.
ChildRun RunProgram(const QStringList& arguments) {
  std::vector<std::string> words = {CORVANE32_PATH};
  for (const QString& argument : arguments) words.push_back(argument.toStdString());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::vector<std::string> settings = {"QT_QPA_PLATFORM=offscreen",
                                       "XDG_RUNTIME_DIR=" + WorkFile(QStringLiteral("runtime")).toStdString()};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string setting = *entry;
    if (!setting.starts_with("QT_QPA_PLATFORM=") && !setting.starts_with("XDG_RUNTIME_DIR="))
      settings.push_back(setting);
  }
  std::vector<char*> envp;
  for (std::string& setting : settings) envp.push_back(setting.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return {};

  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return {};
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, double(usage.ru_maxrss) / 1024,
          Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

// Files the program writes beside its outputs, or into the temporary folder for the page
// store, while it works.
QStringList TemporaryFiles() {
  return QDir::temp().entryList({QStringLiteral("corvane-pages-*")}, QDir::Files) +
         QDir(workDir->path()).entryList({QStringLiteral("*.pdf.*"), QStringLiteral("*.csv.*")}, QDir::Files);
}

// The highest peak of each case, for the summary.
std::map<std::string, double> peaks;

void BM_ProgramPeak(benchmark::State& state, const std::string& name, const QStringList& arguments,
                    int expectedStatus) {
  double peak = 0;
  for (auto _ : state) {
    const ChildRun run = RunProgram(arguments);
    if (run.status != expectedStatus) state.SkipWithError("the program ended with an unexpected status");
    state.SetIterationTime(run.cpuSeconds);
    peak = std::max(peak, run.peakMegabytes);
  }
  state.counters["peak_MB"] = peak;
  peaks[name] = std::max(peaks[name], peak);
}

// A roster of one letter a line, up to `bytes`: no header, so refused after it is read.
bool WriteLetters(const QString& path, qint64 bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray block = QByteArray("a\n").repeated(1 << 19);  // 1 MiB
  for (qint64 written = 0; written < bytes; written += block.size())
    file.write(block.constData(), std::min<qint64>(block.size(), bytes - written));
  return file.error() == QFileDevice::NoError;
}

void Register(const char* name, const QStringList& arguments, int expectedStatus) {
  benchmark::RegisterBenchmark(name, BM_ProgramPeak, std::string(name), arguments, expectedStatus)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(3)
      ->ReportAggregatesOnly();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  QTemporaryDir dir;
  workDir = &dir;
  const auto roster = [](const char* name) { return WorkFile(QLatin1String(name)); };
  const QString runtime = roster("runtime");
  if (!QDir(dir.path()).mkpath(runtime) ||
      !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
      !WriteBenchRoster(roster("ten.csv"), 10) ||
      !WriteBenchRoster(roster("ten-thousand.csv"), 10000) ||
      !WriteBenchRoster(roster("million.csv"), 1000000) ||
      !WriteLetters(roster("letters-64.csv"), 64LL << 20) ||
      !WriteLetters(roster("letters-256.csv"), kLargestRoster)) {
    std::cerr << "The rosters cannot be written in " << dir.path().toStdString() << "\n";
    return 1;
  }
  const QString results = roster("results.csv");
  Register("Baseline/10 soldiers with results", {"--roster", roster("ten.csv"), "--results", results}, 0);
  Register("Letters/64 MiB", {"--roster", roster("letters-64.csv"), "--results", results}, 2);
  Register("Letters/256 MiB", {"--roster", roster("letters-256.csv"), "--results", results}, 2);
  Register("Million/1,000,000 soldiers with results", {"--roster", roster("million.csv"), "--results", results}, 0);
  const QString pdf = roster("worksheets.pdf");
  Register("Baseline/10 soldiers to PDF", {"--roster", roster("ten.csv"), "--pdf", pdf}, 0);
  Register("Worksheets/10,000 soldiers to PDF", {"--roster", roster("ten-thousand.csv"), "--pdf", pdf}, 0);
  const QStringList filesBefore = TemporaryFiles();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::cout << "\nPeak resident memory of the program (goals: any roster under the size limit within 256 MB; "
               "1,000,000 soldiers with results within 200 MB):\n";
  for (const auto& [name, peak] : peaks) std::cout << "  " << name << ": " << peak << " MB\n";
  const double pdfGrowth = peaks["Worksheets/10,000 soldiers to PDF"] - peaks["Baseline/10 soldiers to PDF"];
  std::cout << "10,000 soldiers to PDF: " << pdfGrowth << " MB above ten soldiers' PDF at the peak (goal: at most 64 MB); "
            << QFile(pdf).size() / (1024 * 1024) << " MiB of PDF; temporary files left: "
            << (TemporaryFiles() == filesBefore ? "none" : "some") << "\n";
  workDir = nullptr;
  return 0;
}
