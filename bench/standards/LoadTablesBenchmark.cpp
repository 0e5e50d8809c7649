// Loading the shipped tables against only reading the same files' bytes (the floor).

#include "standards/Calculate.h"
#include "standards/TableParsers.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

const std::string kBaseDir = CORVANE_SOURCE_DIR;

std::string ReadBytes(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  std::string bytes;
  char buffer[4096];
  std::size_t count = 0;
  while (file && (count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, count);
  }
  return bytes;
}

void BM_ReadTableBytes(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* name : TableFileNames) {
      std::string bytes = ReadBytes(kBaseDir + "/TABLES/" + name);
      benchmark::DoNotOptimize(bytes);
    }
  }
}
BENCHMARK(BM_ReadTableBytes);

void BM_LoadTables(benchmark::State& state) {
  for (auto _ : state) LoadTables(kBaseDir);
}
BENCHMARK(BM_LoadTables);

}  // namespace
