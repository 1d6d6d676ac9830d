// Timing of the display-language switch of the headless view: every text of
// the form shown again in the other language, with the largest listing of the
// compendium on screen (レギオン with CURSE) and with a small one (オーディン).
#include <benchmark/benchmark.h>

#include "data/races.h"
#include "silent_host.h"
#include "view/view.h"

namespace {

// Chooses the demon as a pick in the race-order list does, then switches to
// English and back once per iteration; items are switches.
void switchLanguage(benchmark::State& state, bool curse, qmoor::DemonRef demon) {
  SilentHost host;
  qmoor::CQmoorView view(host);
  view.InitialUpdate();
  if (curse) {
    view.form().check(qmoor::ControlId::CurseCheck).toggle();
    view.notify(qmoor::ControlId::CurseCheck, qmoor::Notification::Click);
  }
  view.form().combo(qmoor::ControlId::RaceOrderCombo).setSelection(qmoor::raceOrderIndexOf(demon));
  view.notify(qmoor::ControlId::RaceOrderCombo, qmoor::Notification::SelectionChanged);
  for (auto _ : state) {
    view.SetLanguage(qmoor::Language::English);
    view.SetLanguage(qmoor::Language::Japanese);
  }
  state.SetItemsProcessed(state.iterations() * 2);
  state.counters["rows"] = view.form().listView(qmoor::ControlId::MaterialPairView).rowCount();
}

void BM_SwitchWithLegionUnderCurse(benchmark::State& state) { switchLanguage(state, true, {19, 1}); }
BENCHMARK(BM_SwitchWithLegionUnderCurse);

void BM_SwitchWithOdin(benchmark::State& state) { switchLanguage(state, false, {0, 2}); }
BENCHMARK(BM_SwitchWithOdin);

}  // namespace
