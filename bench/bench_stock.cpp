// Timing of my demons: what every pair of 100 of my demons makes with the
// count and pool of inheritance (first use and steady state), and reading and
// checking a file of 100 demons, from its text and from disk.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "stock_files/demons_file_reading.h"
#include "data/compendium.h"
#include "data/races.h"
#include "stock/holding_rule.h"
#include "stock/my_fusions.h"

namespace qmoor {
namespace {

constexpr int MyDemonCount = 100;

// 100 demons spread over the roster, each ten levels above its base level
// holding what it has learned on the way.
std::vector<MyDemon> hundredDemons() {
  std::vector<MyDemon> demons;
  for (int i = 0; i < MyDemonCount; ++i) {
    const DemonRef demon = raceOrderAt(i * DemonTotal / MyDemonCount);
    const int at = std::min(level(demon) + 10, MaxLevel);
    demons.push_back({demon, at, skillsAtLevel(demon, at), {}});
  }
  return demons;
}

// Items are pairs of my demons.
void fuseEveryPair(benchmark::State& state) {
  const std::vector<MyDemon> demons = hundredDemons();
  std::size_t results = 0;
  for (auto _ : state) {
    const std::vector<MyFusion> fusions = fusionsAmong(demons, false);
    for (const MyFusion& fusion : fusions) results += fusion.results.size();
    benchmark::DoNotOptimize(fusions.data());
  }
  state.SetItemsProcessed(state.iterations() * MyDemonCount * (MyDemonCount - 1) / 2);
  state.counters["results"] = static_cast<double>(results) / static_cast<double>(state.iterations());
}

void BM_EveryPairOfMyDemonsFirstUse(benchmark::State& state) { fuseEveryPair(state); }
void BM_EveryPairOfMyDemons(benchmark::State& state) { fuseEveryPair(state); }

// Items are entries read and checked.
void BM_ReadAndCheck100FromText(benchmark::State& state) {
  const std::string text = serialiseDemonsFile(hundredDemons());
  for (auto _ : state) {
    const DemonsFileRead read = parseDemonsFile(text);
    int problems = 0;
    for (const MyDemon& entry : read.demons) problems += checkEntry(entry).problem != EntryProblem::None;
    benchmark::DoNotOptimize(problems);
  }
  state.SetItemsProcessed(state.iterations() * MyDemonCount);
}

void BM_LoadAndCheck100FromDisk(benchmark::State& state) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "bench-stock-demons.json";
  std::ofstream(path, std::ios::binary) << serialiseDemonsFile(hundredDemons());
  for (auto _ : state) {
    const DemonsFileLoad load = readDemonsFileFromDisk(path.string());
    int problems = 0;
    for (const MyDemon& entry : load.read.demons) problems += checkEntry(entry).problem != EntryProblem::None;
    benchmark::DoNotOptimize(problems);
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * MyDemonCount);
}

BENCHMARK(BM_EveryPairOfMyDemonsFirstUse)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryPairOfMyDemons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndCheck100FromText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadAndCheck100FromDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qmoor
