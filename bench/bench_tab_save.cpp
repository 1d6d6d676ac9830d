// Saving the largest tab file (200 tabs, 6,432 bytes): replaced whole through
// a file beside it, and written in place (the file has a second hard link).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "files/file_io.h"
#include "tabs/tab_codec.h"

namespace {

namespace fs = std::filesystem;

void saveTabs(benchmark::State& state, bool inPlace) {
  const fs::path folder = fs::temp_directory_path() / ("qmoor-bench-save-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string file = (folder / "tabs.qmf").string();
  const std::vector<std::uint8_t> bytes = qmoor::encodeTabs(std::vector<qmoor::TabState>(qmoor::MaxTabs));
  if (qmoor::writeFileSafely(file, bytes).failed()) state.SkipWithError("the scratch folder takes no file");
  if (inPlace) fs::create_hard_link(file, folder / "second-name.qmf");
  for (auto _ : state) {
    if (qmoor::writeFileSafely(file, bytes).failed()) state.SkipWithError("saving failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
  fs::remove_all(folder);
}

void BM_SaveReplacingWhole(benchmark::State& state) { saveTabs(state, false); }
void BM_SaveInPlace(benchmark::State& state) { saveTabs(state, true); }

BENCHMARK(BM_SaveReplacingWhole)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveInPlace)->Unit(benchmark::kMicrosecond);

}  // namespace
