// From the user's action to the tool window repainted (offscreen): a new
// material in the fusion simulator, a typed name and a sort by HP in the
// compendium; opening each tool window (made, shown and painted), and each
// filter, sort and choice of スキル一覧 and 合体表.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <ctime>
#include <optional>

#include "app/tools/compendium/compendium_window.h"
#include "app/tools/fusion_chart/fusion_chart_window.h"
#include "app/tools/simulator/fusion_simulator_window.h"
#include "app/main_window/main_frame.h"
#include "app/program/qmoor_app.h"
#include "app/tools/skill_table/skill_table_window.h"
#include "app/tools/tool_windows.h"
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

double threadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The window of ツール entry range(0) (0 simulator, 1 compendium, 2 planner,
// 3 スキル一覧, 4 合体表, 5 所持悪魔) made, shown and painted from its entry in
// the running program (its main window up), then deleted: what choosing the
// entry costs once the program has opened a tool window before. The counter
// first_ms is the thread's CPU time of the process's first opening of any tool
// window, reported by the benchmark of that window: run one benchmark a process
// (--benchmark_filter=BM_ToolWindowOpen/N$) to read it for window N.
void BM_ToolWindowOpen(benchmark::State& state) {
  static std::optional<std::pair<int64_t, double>> processFirst;  // entry, milliseconds
  qmoor::CQmoorApp app;
  if (!app.InitInstance({QStringLiteral("quillmoor")})) {
    state.SkipWithError("the program did not start");
    return;
  }
  QApplication::processEvents();  // the main window shown and painted, as before any choice of the user
  const int64_t entry = state.range(0);
  QAction* open = app.frame().toolsMenu()->actions().at(static_cast<int>(entry));
  int64_t opened = 0;
  for (auto _ : state) {
    const double start = threadMilliseconds();
    open->trigger();
    auto* window = app.frame().findChild<qmoor::ToolWindow*>(QString(), Qt::FindDirectChildrenOnly);
    QApplication::processEvents();
    window->repaint();
    if (!processFirst) processFirst.emplace(entry, threadMilliseconds() - start);
    state.PauseTiming();
    delete window;
    QApplication::processEvents();
    state.ResumeTiming();
    ++opened;
  }
  state.SetItemsProcessed(opened);
  if (processFirst && processFirst->first == entry) state.counters["first_ms"] = processFirst->second;
}

void BM_SkillTableKindToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::SkillTableWindow* window = tools.windows->showSkillTable();
  auto* kind = named<QComboBox>(window, QStringLiteral("種別"));
  actAndRepaint(state, window, [&](bool first) { kind->setCurrentIndex(first ? 1 : 0); });
}

void BM_SkillTableNameToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::SkillTableWindow* window = tools.windows->showSkillTable();
  auto* name = named<QLineEdit>(window, QStringLiteral("名前に含む文字"));
  actAndRepaint(state, window, [&](bool first) { name->setText(first ? QStringLiteral("ma") : QString()); });
}

void BM_SkillTableSortToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::SkillTableWindow* window = tools.windows->showSkillTable();
  QHeaderView* header = named<QTableView>(window, QStringLiteral("スキルの一覧"))->horizontalHeader();
  actAndRepaint(state, window,
                [&](bool first) { header->setSortIndicator(4, first ? Qt::DescendingOrder : Qt::AscendingOrder); });
}

// Choosing a skill lists its holders.
void BM_SkillTableChoiceToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::SkillTableWindow* window = tools.windows->showSkillTable();
  auto* table = named<QTableView>(window, QStringLiteral("スキルの一覧"));
  actAndRepaint(state, window, [&](bool first) { table->selectRow(first ? 0 : 200); });
}

void BM_ChartCurseToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::FusionChartWindow* window = tools.windows->showFusionChart();
  auto* curse = named<QCheckBox>(window, QStringLiteral("CURSE"));
  actAndRepaint(state, window, [&](bool first) { curse->setChecked(first); });
}

// Choosing a cell lists the demons it makes.
void BM_ChartCellToRepaint(benchmark::State& state) {
  Tools tools;
  qmoor::FusionChartWindow* window = tools.windows->showFusionChart();
  auto* chart = named<QTableView>(window, QStringLiteral("種族の合体表"));
  actAndRepaint(state, window,
                [&](bool first) { chart->setCurrentIndex(chart->model()->index(first ? 0 : 8, first ? 4 : 12)); });
}

}  // namespace

BENCHMARK(BM_SimulatorMaterialToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompendiumNameToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompendiumSortToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolWindowOpen)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkillTableKindToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkillTableNameToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkillTableSortToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkillTableChoiceToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartCurseToRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartCellToRepaint)->Unit(benchmark::kMillisecond);
