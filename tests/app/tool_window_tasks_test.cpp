// Two players' tasks in the tool windows, driven by the keyboard alone and
// checked by what is shown and what a screen reader reads through Qt's
// accessibility interface: reading a cell of 合体表, and fusing two of my
// demons in 合体シミュレーター. Also what every window shares: its status
// line has a place of its own, and a combo box reads its name as its name.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/tools/compendium/compendium_window.h"
#include "app/widgets/demon_texts.h"
#include "app/tools/fusion_chart/fusion_chart_window.h"
#include "app/tools/simulator/fusion_simulator_window.h"
#include "app/main_window/main_frame.h"
#include "app/tools/my_demons/my_demons_window.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/tools/planner/planner_window.h"
#include "app/access/screen_reader_interfaces.h"
#include "app/tools/skill_table/skill_table_window.h"
#include "app/tools/tool_windows.h"
#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"
#include "rules/race_chart.h"
#include "widget_lookup.h"

namespace qmoor {
namespace {

class ToolWindowTasks : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  CMainFrame frame{new QWidget, [](CommandId) {}};
  ToolWindows* tools = nullptr;

  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    tools = new ToolWindows(frame.toolsMenu(), [](DemonRef) { return true; }, &frame);
  }

  static void activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  // What a screen reader reads where the focus is in view: the current cell.
  static QString focusReads(QAbstractItemView* view) {
    QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(view)->focusChild();
    return focus ? focus->text(QAccessible::Name) : QString();
  }
  static QString readsAsName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
  }
};

// The row a view last made current, as a screen reader is told of it.
int lastAnnouncedRow(const QSignalSpy& currentChanges) {
  return currentChanges.isEmpty() ? -1 : currentChanges.last().at(0).toModelIndex().row();
}

// 合体表: Alt+T to the chart, ↓ and → to 魔神 × 鬼神, which reads as such and
// lists what it makes; Tab to that list, whose first ↓ is read on row 0.
TEST_F(ToolWindowTasks, ReadAChartCellByKeyboard) {
  FusionChartWindow* window = tools->showFusionChart();
  activate(window);
  auto* chart = named<QTableView>(window, "種族の合体表");
  auto* demons = named<QTableView>(window, "この組み合わせで作れる悪魔");
  QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
  ASSERT_EQ(QApplication::focusWidget(), chart);
  QSignalSpy chartCells(chart->selectionModel(), &QItemSelectionModel::currentChanged);
  QTest::keyClick(chart, Qt::Key_Down);
  EXPECT_EQ(lastAnnouncedRow(chartCells), 0);
  for (int step = 0; step < 4; ++step) QTest::keyClick(chart, Qt::Key_Right);
  EXPECT_EQ(focusReads(chart), "魔神 × 鬼神: 破壊神");
  const std::vector<ChartDemon> made = chartDemons(0, 4, false);
  ASSERT_FALSE(made.empty());
  ASSERT_EQ(demons->model()->rowCount(), static_cast<int>(made.size()));

  QTest::keyClick(chart, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), demons);
  QSignalSpy demonRows(demons->selectionModel(), &QItemSelectionModel::currentChanged);
  QTest::keyClick(demons, Qt::Key_Down);
  EXPECT_EQ(lastAnnouncedRow(demonRows), 0) << "the first ↓ is not announced";
  EXPECT_TRUE(demons->selectionModel()->isRowSelected(0, {}));
  EXPECT_EQ(focusReads(demons), QString::number(level(made.front().demon)));
}

// 合体シミュレーター: Alt+Y and ↓ take the first of my demons as the
// material, Alt+Z and ↓↓ the second as the partner; the result shows and
// reads as the demon the two make at their levels.
TEST_F(ToolWindowTasks, FuseTwoOfMyDemonsByKeyboard) {
  constexpr DemonRef Pixie{7, 8}, Mizuchi{11, 3};
  MyDemonsStore store(nullptr, folder.filePath(QStringLiteral("demons.json")));
  store.change({{Pixie, 20, {43, 13}, {}}, {Mizuchi, 38, {8, 116}, {}}});
  auto* window = new FusionSimulatorWindow(&store, [](DemonRef) { return true; }, &frame);
  window->present();
  activate(window);
  QTest::keyClick(window, Qt::Key_Y, Qt::AltModifier);
  auto* materialMine = named<QComboBox>(window, "素材を所持悪魔から");
  ASSERT_EQ(QApplication::focusWidget(), materialMine);
  QTest::keyClick(materialMine, Qt::Key_Down);
  QTest::keyClick(window, Qt::Key_Z, Qt::AltModifier);
  auto* partnerMine = named<QComboBox>(window, "相手を所持悪魔から");
  ASSERT_EQ(QApplication::focusWidget(), partnerMine);
  QTest::keyClick(partnerMine, Qt::Key_Down);
  QTest::keyClick(partnerMine, Qt::Key_Down);

  EXPECT_EQ(named<QSpinBox>(window, "素材のレベル")->value(), 20);
  EXPECT_EQ(named<QSpinBox>(window, "相手のレベル")->value(), 38);
  EXPECT_EQ(readsAsName(materialMine), "素材を所持悪魔から");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(partnerMine)->text(QAccessible::Value), partnerMine->currentText());
  const DemonRef result = *fuseAtLevels({Pixie, 20}, {Mizuchi, 38}, false).normal;
  QLabel* shown = named<QLabel>(window, "合体結果");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->text(), demonNameText(result));
  EXPECT_TRUE(readsAsName(shown).contains(demonNameText(result)));
  delete window;
}

// Each window's status line sits in its layout, below the rest, not drawn
// over the window's first controls.
TEST_F(ToolWindowTasks, EveryStatusLineHasItsPlace) {
  for (ToolWindow* window : std::initializer_list<ToolWindow*>{
           tools->showFusionSimulator(), tools->showCompendium(), tools->showPlanner(), tools->showSkillTable(),
           tools->showFusionChart(), tools->showMyDemons()}) {
    QApplication::processEvents();
    auto* line = window->findChild<QStatusBar*>();
    ASSERT_NE(line, nullptr);
    QLayout* holder = line->parentWidget()->layout();
    EXPECT_TRUE(holder && holder->indexOf(line) >= 0) << window->windowTitle().toStdString();
    window->close();
  }
}

// A combo box reads its name as its name and its choice as its value, even
// when its interface was made before it was named, as the accessibility bus
// asks while a window is built.
TEST(ComboNames, AComboReadsItsNameAndItsChoiceAsItsValue) {
  presentFormControlsToScreenReaders();
  QComboBox kind;
  kind.addItems({"すべて", "攻撃"});
  QAccessibleInterface* early = QAccessible::queryAccessibleInterface(&kind);
  kind.setAccessibleName("種別");
  EXPECT_EQ(early->text(QAccessible::Name), "種別");
  EXPECT_EQ(early->text(QAccessible::Value), "すべて");

  QWidget labelled;
  auto* label = new QLabel("属性(&E):", &labelled);
  auto* box = new QComboBox(&labelled);
  box->addItems({"すべて", "火炎"});
  label->setBuddy(box);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).startsWith("属性"));
}

}  // namespace
}  // namespace qmoor
