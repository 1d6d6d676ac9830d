// Timing of the compendium model: sorting every row by a figure, by a
// resistance and by name, and filtering by conditions and by skills.
#include <benchmark/benchmark.h>

#include <numeric>

#include "compendium/compendium_model.h"

namespace qmoor {
namespace {

std::vector<int> everyRow() {
  std::vector<int> rows(compendiumRows().size());
  std::iota(rows.begin(), rows.end(), 0);
  return rows;
}

// Sorts all rows by one key per iteration; items are rows.
void sortAll(benchmark::State& state, SortKey key) {
  const std::vector<int> rows = everyRow();
  for (auto _ : state) {
    const std::vector<int> sorted = sortRows(rows, key);
    benchmark::DoNotOptimize(sorted.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(rows.size()));
}

// Filters all rows once per iteration; items are rows examined, the counter the rows kept.
void filterAll(benchmark::State& state, const CompendiumFilter& filter) {
  std::size_t kept = 0;
  for (auto _ : state) {
    const std::vector<int> rows = filterRows(filter);
    kept = rows.size();
    benchmark::DoNotOptimize(rows.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(compendiumRows().size()));
  state.counters["kept"] = static_cast<double>(kept);
}

CompendiumFilter byConditions() {
  CompendiumFilter filter;
  filter.nameText = "ー";
  filter.minLevel = 20;
  filter.maxLevel = 80;
  ResistanceCondition curseProof{6, {}};
  curseProof.accepted[static_cast<int>(Resistance::Null)] = true;
  curseProof.accepted[static_cast<int>(Resistance::Repel)] = true;
  filter.resistances = {curseProof};
  filter.requiredMarks[0] = true;
  return filter;
}

CompendiumFilter bySkills(bool innateOnly) {
  CompendiumFilter filter;
  filter.skills = {compendiumRows()[0].first[0], compendiumRows()[0].second[0]};
  filter.innateOnly = innateOnly;
  return filter;
}

void BM_SortByHP(benchmark::State& state) { sortAll(state, {Column::HP, true}); }
void BM_SortByResistance(benchmark::State& state) { sortAll(state, {resistanceColumn(6), false}); }
void BM_SortByName(benchmark::State& state) { sortAll(state, {Column::Name, false}); }
void BM_FilterByConditions(benchmark::State& state) { filterAll(state, byConditions()); }
void BM_FilterBySkills(benchmark::State& state) { filterAll(state, bySkills(false)); }
void BM_FilterByInnateSkills(benchmark::State& state) { filterAll(state, bySkills(true)); }

BENCHMARK(BM_SortByHP)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByResistance)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterByConditions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterBySkills)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterByInnateSkills)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qmoor
