// Timing of forward fusion: the partner lists of every demon under both
// CURSE settings, and one pair.
#include <benchmark/benchmark.h>

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

BENCHMARK(BM_PartnersOfEveryDemonBothSettings)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OnePair)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace qmoor
