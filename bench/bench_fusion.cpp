// Timing of the enumeration a pick of a demon runs in the view, call for call:
// the largest answer (レギオン under CURSE), repeated and on first use, and
// the answers of every demon under all eight option combinations.
#include <benchmark/benchmark.h>

#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "rules/pair_enumeration.h"

namespace qmoor {
namespace {

struct Options {
  FilterSettings filters;
  bool reverse = false;
};

// What the view keeps of an answer between picks.
struct Listing {
  std::vector<RacePair> racePairs;
  std::vector<MaterialPair> materialPairs;
};

// The calls a pick makes, in the view's order: the race pairs that make the
// target, the material pairs of all lines, then the spirit rows. A special
// demon (other than race 31) lists no pairs.
void listPick(DemonRef target, const Options& o, Listing& out) {
  out.racePairs.clear();
  out.materialPairs.clear();
  const bool phase = target.race == PhaseRace;
  if (!phase && isSpecial(target)) return;
  const Race resultRace = phase ? phaseFusionRace(target.slot) : target.race;
  out.racePairs = enumerateRacePairs(resultRace, target.race, target, o.filters, o.reverse);
  appendAllMaterialPairs(out.racePairs, target, o.filters, out.materialPairs);
  appendSpiritPairs(target, o.filters, out.materialPairs);
}

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

// Lists every target under every option set once per iteration. Steady
// state keeps one listing, as the view does, so its storage is reused; first
// use starts each pick from empty storage. Items are answers; the counter
// gives the material pairs listed per iteration.
void listPicks(benchmark::State& state, const std::vector<DemonRef>& targets, const std::vector<Options>& options,
               bool firstUse) {
  Listing kept;
  long long rows = 0;
  for (auto _ : state) {
    for (const Options& o : options) {
      for (const DemonRef target : targets) {
        Listing fresh;
        Listing& listing = firstUse ? fresh : kept;
        listPick(target, o, listing);
        rows += static_cast<long long>(listing.materialPairs.size());
        benchmark::DoNotOptimize(listing.materialPairs.data());
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(targets.size() * options.size()));
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

void BM_LegionUnderCurse(benchmark::State& state) { listPicks(state, {DemonRef{19, 1}}, {cursed()}, false); }
void BM_LegionUnderCurseFirstUse(benchmark::State& state) { listPicks(state, {DemonRef{19, 1}}, {cursed()}, true); }
void BM_EveryDemonEveryCombination(benchmark::State& state) {
  listPicks(state, allDemons(), everyCombination(), false);
}

BENCHMARK(BM_LegionUnderCurse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LegionUnderCurseFirstUse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EveryDemonEveryCombination)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qmoor
