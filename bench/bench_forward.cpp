// Timing of forward fusion: the partner lists of every demon under both
// CURSE settings, one pair, and every ordered pair at base levels and at
// raised levels (the level-sum lookup is the only difference).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"

namespace qmoor {
namespace {

// Lists the partners of every demon under both settings once per iteration.
// Items are partner lists; the counter gives the partnerships listed per iteration.
void BM_PartnersOfEveryDemonBothSettings(benchmark::State& state) {
  long long listed = 0;
  for (auto _ : state) {
    for (bool curse : {false, true}) {
      for (int p = 0; p < DemonTotal; ++p) {
        const auto found = partners(raceOrderAt(p), curse);
        listed += static_cast<long long>(found.size());
        benchmark::DoNotOptimize(found.data());
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * 2 * DemonTotal);
  state.counters["partnerships"] = static_cast<double>(listed) / static_cast<double>(state.iterations());
}

void BM_OnePair(benchmark::State& state) {
  for (auto _ : state) {
    const FusionOutcome outcome = fuse({9, 0}, {16, 0}, false);
    benchmark::DoNotOptimize(outcome.normal);
  }
}

void BM_OnePairAtLevels(benchmark::State& state) {
  for (auto _ : state) {
    const FusionOutcome outcome = fuseAtLevels({{9, 0}, 70}, {{16, 0}, 90}, false);
    benchmark::DoNotOptimize(outcome.normal);
  }
}

// Every ordered pair of demons, each raised by state.range(0) levels (capped at
// 99); range 0 is every pair at its base level. Items are pairs.
void BM_EveryPair(benchmark::State& state) {
  const int raise = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (int a = 0; a < DemonTotal; ++a) {
      const DemonRef x = raceOrderAt(a);
      for (int b = 0; b < DemonTotal; ++b) {
        const DemonRef y = raceOrderAt(b);
        const FusionOutcome outcome =
            fuseAtLevels({x, std::min(level(x) + raise, MaxLevel)}, {y, std::min(level(y) + raise, MaxLevel)}, false);
        benchmark::DoNotOptimize(outcome.normal);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * DemonTotal * DemonTotal);
}

BENCHMARK(BM_PartnersOfEveryDemonBothSettings)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OnePair)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_OnePairAtLevels)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_EveryPair)->Arg(0)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qmoor
