// From the user's pick in the race-order combo to the window repainted, in
// the real widget form (offscreen): the worst listing, レギオン with CURSE,
// alternating with ヴィシュヌ so that every pick changes every list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include "app/form_widget/form_widget.h"
#include "app/main_window/main_frame.h"
#include "app/program/qmoor_app.h"
#include "data/races.h"

namespace {

void BM_PickToRepaintLegionWithCurse(benchmark::State& state) {
  qmoor::CQmoorApp app;
  if (!app.InitInstance({QStringLiteral("quillmoor")})) {
    state.SkipWithError("start-up failed");
    return;
  }
  if (!app.frame().isVisible()) {
    state.SkipWithError("the window is not shown, so nothing would be painted");
    return;
  }
  static_cast<QCheckBox*>(app.form().widgetFor(qmoor::ControlId::CurseCheck))->click();
  auto* byRace = static_cast<QComboBox*>(app.form().widgetFor(qmoor::ControlId::RaceOrderCombo));
  const int legion = qmoor::raceOrderIndexOf({19, 1});
  int64_t picks = 0;
  for (auto _ : state) {
    for (int position : {legion, 0}) {
      byRace->setCurrentIndex(position);
      Q_EMIT byRace->activated(position);
      app.frame().repaint();
      ++picks;
    }
  }
  state.SetItemsProcessed(picks);
}

}  // namespace

BENCHMARK(BM_PickToRepaintLegionWithCurse)->Unit(benchmark::kMillisecond);
