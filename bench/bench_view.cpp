// Choosing a demon end to end in the headless view, every control filled:
// the worst listing (レギオン with CURSE) and every demon in turn.
#include <benchmark/benchmark.h>

#include "data/races.h"
#include "view/view.h"

namespace {

class SilentHost : public qmoor::ViewHost {
 public:
  std::optional<std::string> askSavePath(const std::string&) override { return std::nullopt; }
  std::optional<std::string> askLoadPath(const std::string&) override { return std::nullopt; }
  void showMessage(const std::string&) override {}
  void setTitle(const std::string&) override {}
};

// Chooses each demon of raceOrderPositions from the race-order list, the way a
// user's pick in that combo does, and reports rows listed as items.
void chooseDemons(benchmark::State& state, bool curse, const std::vector<int>& raceOrderPositions) {
  SilentHost host;
  qmoor::CQmoorView view(host);
  view.InitialUpdate();
  if (curse) {
    view.form().check(qmoor::ControlId::CurseCheck).toggle();
    view.notify(qmoor::ControlId::CurseCheck, qmoor::Notification::Click);
  }
  auto& combo = view.form().combo(qmoor::ControlId::RaceOrderCombo);
  int64_t rows = 0;
  for (auto _ : state) {
    for (int position : raceOrderPositions) {
      combo.setSelection(position);
      view.notify(qmoor::ControlId::RaceOrderCombo, qmoor::Notification::SelectionChanged);
      rows += view.form().listView(qmoor::ControlId::MaterialPairView).rowCount();
    }
  }
  state.SetItemsProcessed(rows);
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

void BM_ChooseLegionWithCurse(benchmark::State& state) {
  chooseDemons(state, true, {qmoor::raceOrderIndexOf({19, 1})});
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
BENCHMARK(BM_ChooseEveryDemon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseEveryDemonWithCurse)->Unit(benchmark::kMillisecond);
