// Choosing a demon end to end in the headless view, every control filled:
// the worst listing (レギオン with CURSE), repeated and as the first pick of a
// new window, and every demon in turn.
#include <benchmark/benchmark.h>

#include <memory>

#include "data/races.h"
#include "silent_host.h"
#include "view/view.h"

namespace {

// A view as the program starts it, with CURSE ticked when asked.
std::unique_ptr<qmoor::CQmoorView> startedView(SilentHost& host, bool curse) {
  auto view = std::make_unique<qmoor::CQmoorView>(host);
  view->InitialUpdate();
  if (curse) {
    view->form().check(qmoor::ControlId::CurseCheck).toggle();
    view->notify(qmoor::ControlId::CurseCheck, qmoor::Notification::Click);
  }
  return view;
}

// The user's pick of race-order position in its combo; returns the rows listed.
int64_t pick(qmoor::CQmoorView& view, int position) {
  view.form().combo(qmoor::ControlId::RaceOrderCombo).setSelection(position);
  view.notify(qmoor::ControlId::RaceOrderCombo, qmoor::Notification::SelectionChanged);
  return view.form().listView(qmoor::ControlId::MaterialPairView).rowCount();
}

// Chooses each demon of raceOrderPositions in one view, and reports rows listed as items.
void chooseDemons(benchmark::State& state, bool curse, const std::vector<int>& raceOrderPositions) {
  SilentHost host;
  const auto view = startedView(host, curse);
  int64_t rows = 0;
  for (auto _ : state) {
    for (int position : raceOrderPositions) rows += pick(*view, position);
  }
  state.SetItemsProcessed(rows);
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

int legion() { return qmoor::raceOrderIndexOf({19, 1}); }

void BM_ChooseLegionWithCurse(benchmark::State& state) { chooseDemons(state, true, {legion()}); }

// The same pick as the first one of a new window: every list starts empty,
// so its storage is grown from nothing. Only the pick is timed.
void BM_FirstChoiceLegionWithCurse(benchmark::State& state) {
  SilentHost host;
  int64_t rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto view = startedView(host, true);
    state.ResumeTiming();
    rows += pick(*view, legion());
    state.PauseTiming();
    view.reset();
    state.ResumeTiming();
  }
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

std::vector<int> everyDemon() {
  std::vector<int> positions(qmoor::DemonTotal);
  for (int i = 0; i < qmoor::DemonTotal; ++i) positions[static_cast<size_t>(i)] = i;
  return positions;
}

void BM_ChooseEveryDemon(benchmark::State& state) { chooseDemons(state, false, everyDemon()); }
void BM_ChooseEveryDemonWithCurse(benchmark::State& state) { chooseDemons(state, true, everyDemon()); }

}  // namespace

BENCHMARK(BM_ChooseLegionWithCurse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstChoiceLegionWithCurse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChooseEveryDemon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseEveryDemonWithCurse)->Unit(benchmark::kMillisecond);
