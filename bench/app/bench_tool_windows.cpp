// From the user's action to the tool window repainted (offscreen): a new
// material in the fusion simulator, a typed name and a sort by HP in the
// compendium.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include "app/compendium_window.h"
#include "app/fusion_simulator_window.h"
#include "app/main_frame.h"
#include "app/tool_windows.h"
#include "data/races.h"

namespace {

template <typename W>
W* named(QWidget* window, const QString& accessibleName) {
  for (W* widget : window->findChildren<W*>())
    if (widget->accessibleName() == accessibleName) return widget;
  return nullptr;
}

struct Tools {
  qmoor::CMainFrame frame{new QWidget, [](qmoor::CommandId) {}};
  qmoor::ToolWindows* windows = new qmoor::ToolWindows(
      frame.toolsMenu(), [](qmoor::DemonRef) { return true; }, &frame);
};

// Every listing alternates between two actions so that each one changes the
// table; the repaint lays the table out anew as it paints it.
template <typename Act>
void actAndRepaint(benchmark::State& state, QWidget* window, Act act) {
  QApplication::processEvents();
  if (!window->isVisible()) {
    state.SkipWithError("the window is not shown, so nothing would be painted");
    return;
  }
  int64_t actions = 0;
  for (auto _ : state) {
    for (bool first : {true, false}) {
      act(first);
      window->repaint();
      ++actions;
    }
  }
  state.SetItemsProcessed(actions);
}

void BM_SimulatorMaterialToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::FusionSimulatorWindow* window = tools.windows->showFusionSimulator();
  auto* material = named<QComboBox>(window, QStringLiteral("素材"));
  actAndRepaint(state, window, [&](bool first) { material->setCurrentIndex(first ? 100 : 0); });
}

void BM_CompendiumNameToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::CompendiumWindow* window = tools.windows->showCompendium();
  auto* name = named<QLineEdit>(window, QStringLiteral("名前に含む文字"));
  actAndRepaint(state, window, [&](bool first) { name->setText(first ? QStringLiteral("ア") : QString()); });
}

void BM_CompendiumSortToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::CompendiumWindow* window = tools.windows->showCompendium();
  QHeaderView* header = named<QTableView>(window, QStringLiteral("悪魔の一覧"))->horizontalHeader();
  actAndRepaint(state, window,
                [&](bool first) { header->setSortIndicator(3, first ? Qt::DescendingOrder : Qt::AscendingOrder); });
}

}  // namespace

BENCHMARK(BM_SimulatorMaterialToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompendiumNameToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompendiumSortToRepaint)->Unit(benchmark::kMillisecond);
