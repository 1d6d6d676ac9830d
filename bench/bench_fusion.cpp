// Timing of complete fusion answers: the largest single answer (レギオン under
// CURSE) and the answers of every demon under all eight option combinations.
#include <benchmark/benchmark.h>

#include <vector>

#include "data/races.h"
#include "rules/pair_enumeration.h"

namespace qmoor {
namespace {

struct Options {
  FilterSettings filters;
  bool reverse = false;
};

std::vector<DemonRef> allDemons() {
  std::vector<DemonRef> out;
  for (int p = 0; p < DemonTotal; ++p) out.push_back(raceOrderAt(p));
  return out;
}

std::vector<Options> everyCombination() {
  std::vector<Options> out;
  for (int bits = 0; bits < 8; ++bits) {
    Options o;
    o.filters.curse = (bits & 1) != 0;
    o.filters.neutral = (bits & 2) != 0;
    o.reverse = (bits & 4) != 0;
    out.push_back(o);
  }
  return out;
}

Options cursed() {
  Options o;
  o.filters.curse = true;
  return o;
}

// Computes the answer of every target under every option set once per
// iteration. Items are answers; the counters give the material pairs listed
// and the candidate pairs examined per iteration, and Mcandidates the
// millions of candidates per second, that is candidates per µs.
void computeAnswers(benchmark::State& state, const std::vector<DemonRef>& targets, const std::vector<Options>& options) {
  EnumerationStats stats;
  long long rows = 0;
  for (auto _ : state) {
    for (const Options& o : options) {
      for (const DemonRef target : targets) {
        const FusionAnswer answer = answerFor(target, o.filters, o.reverse, stats);
        rows += static_cast<long long>(answer.materialPairs.size());
        benchmark::DoNotOptimize(answer.materialPairs.data());
      }
    }
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(targets.size() * options.size()));
  state.counters["rows"] = static_cast<double>(rows) / iterations;
  state.counters["candidates"] = static_cast<double>(stats.candidatePairs) / iterations;
  state.counters["Mcandidates"] =
      benchmark::Counter(static_cast<double>(stats.candidatePairs) / 1e6, benchmark::Counter::kIsRate);
}

void BM_LegionUnderCurse(benchmark::State& state) { computeAnswers(state, {DemonRef{19, 1}}, {cursed()}); }
void BM_EveryDemonEveryCombination(benchmark::State& state) {
  computeAnswers(state, allDemons(), everyCombination());
}

BENCHMARK(BM_LegionUnderCurse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EveryDemonEveryCombination)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qmoor
