// スキル一覧 and 合体表 offscreen: what each filter and choice shows, the
// planner asked for a skill, the keyboard walk (Tab through every control,
// ↓ into a table starting at row 0, Escape on an open list, unique
// mnemonics) and the names and descriptions a screen reader gets through
// Qt's accessibility interface.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <set>

#include "app/tools/compendium/compendium_window.h"
#include "app/program/display_language.h"
#include "app/tools/fusion_chart/fusion_chart_window.h"
#include "app/form_widget/form_widget.h"
#include "app/main_window/main_frame.h"
#include "app/tools/planner/planner_window.h"
#include "app/program/qmoor_app.h"
#include "app/tools/skill_table/skill_table_window.h"
#include "app/widgets/skill_texts.h"
#include "app/tools/tool_windows.h"
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "names/names.h"
#include "widget_lookup.h"

namespace qmoor {
namespace {

class SkillAndChartWindows : public ::testing::Test {
 protected:
  QTemporaryDir settingsFolder;
  std::vector<DemonRef> opened;
  CMainFrame frame{new QWidget, [](CommandId) {}};
  ToolWindows* tools = nullptr;

  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    tools = new ToolWindows(
        frame.toolsMenu(),
        [this](DemonRef d) {
          opened.push_back(d);
          return true;
        },
        &frame);
  }

  // What a screen reader reads for a cell of the table.
  static QString cellReads(QTableView* table, int row, int column, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface* cell = view->tableInterface()->cellAt(row, column);
    return cell ? cell->text(text) : QString();
  }
};

// Tab from the window's first control walks every control once and comes
// back; each has a name, and no two labels, boxes or buttons share a mnemonic.
void walkTheKeyboard(QWidget* window) {
  std::set<QChar> mnemonics;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
    const qsizetype amp = text.indexOf('&');
    if (amp >= 0 && amp + 1 < text.size()) {
      EXPECT_TRUE(mnemonics.insert(text[amp + 1].toUpper()).second) << text.toStdString();
    }
  }
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QWidget* first = window->nextInFocusChain();
  while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible()) first = first->nextInFocusChain();
  first->setFocus(Qt::TabFocusReason);
  std::set<QWidget*> reached;
  for (int step = 0; step < 40; ++step) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    if (!reached.insert(focus).second) break;
    QWidget* control = qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
        << window->windowTitle().toStdString() << ": " << control->metaObject()->className();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_EQ(QApplication::focusWidget(), first) << "Tab comes back to the first control";
  EXPECT_GE(reached.size(), 3u);
}

TEST_F(SkillAndChartWindows, TheSkillTableFiltersSortsAndListsTheHoldersOfTheChosenSkill) {
  const QList<QAction*> entries = frame.toolsMenu()->actions();
  ASSERT_GE(entries.size(), 5);
  entries[3]->trigger();
  auto* window = frame.findChild<SkillTableWindow*>();
  ASSERT_NE(window, nullptr);
  auto* table = named<QTableView>(window, "スキルの一覧");
  auto* holders = named<QTableView>(window, "スキルを持つ悪魔");
  QAbstractItemModelTester watchSkills(table->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  QAbstractItemModelTester watchHolders(holders->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(table->model()->rowCount(), SelectableSkillTotal);
  EXPECT_TRUE(table->isColumnHidden(8)) << "no Japanese help text is shown";

  auto* kind = named<QComboBox>(window, "種別");
  auto* name = named<QLineEdit>(window, "名前に含む文字");
  kind->setCurrentIndex(1 + static_cast<int>(SkillKind::Field));
  EXPECT_EQ(column(table->model(), 1), QStringList({"エストマ", "リベラマ", "リフトマ", "ライトマ"}));
  table->horizontalHeader()->setSortIndicator(4, Qt::DescendingOrder);  // cost
  EXPECT_EQ(column(table->model(), 4), QStringList({"MP 12", "MP 10", "MP 10", "MP 8"}));
  named<QPushButton>(window, "条件をクリア")->click();
  name->setText("fog");  // English while Japanese is shown
  ASSERT_EQ(column(table->model(), 1), QStringList({"フォッグブレス"}));

  table->selectRow(0);
  ASSERT_EQ(holders->model()->rowCount(), 12);
  EXPECT_EQ(column(holders->model(), 1).front(), "ミトラ");
  EXPECT_EQ(column(holders->model(), 3).front(), "Lv81で習得");
  EXPECT_EQ(column(holders->model(), 3).at(5), "初期スキル");
  emit holders->doubleClicked(holders->model()->index(0, 1));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.front(), (DemonRef{0, 1}));

  // The name's tooltip and its accessible description are the skill's facts.
  const QString tip = table->model()->index(0, 1).data(Qt::ToolTipRole).toString();
  EXPECT_EQ(tip, skillToolTip(116));
  EXPECT_TRUE(tip.contains("MP 30") && tip.contains("口")) << tip.toStdString();
  EXPECT_EQ(cellReads(table, 0, 1, QAccessible::Description), tip);
  EXPECT_EQ(cellReads(table, 0, 1), "フォッグブレス");

  named<QPushButton>(window, "このスキルをプランナーで探す")->click();
  auto* planner = frame.findChild<PlannerWindow*>();
  ASSERT_NE(planner, nullptr);
  EXPECT_TRUE(planner->isVisible());
  auto* wanted = named<QComboBox>(planner, "スキル1");
  EXPECT_EQ(wanted->currentText(), "フォッグブレス");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(wanted)->text(QAccessible::Description), tip);
  EXPECT_EQ(wanted->itemData(wanted->currentIndex(), Qt::ToolTipRole).toString(), tip);

  applyDisplayLanguage(Language::English);
  QApplication::processEvents();
  EXPECT_FALSE(table->isColumnHidden(8));
  EXPECT_EQ(column(table->model(), 1), QStringList({"Fog Breath"}));
  EXPECT_EQ(column(table->model(), 8).front(), "Greatly lowers all foes' Evasion/Hit Rate.");
  EXPECT_EQ(column(holders->model(), 3).front(), "learned at Lv81");
  applyDisplayLanguage(Language::Japanese);
  QApplication::processEvents();
}

TEST_F(SkillAndChartWindows, TheSkillTableWorksFromTheKeyboard) {
  SkillTableWindow* window = tools->showSkillTable();
  walkTheKeyboard(window);

  auto* table = named<QTableView>(window, "スキルの一覧");
  auto* holders = named<QTableView>(window, "スキルを持つ悪魔");
  table->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(holders->model()->rowCount(), 0) << "focus alone chooses nothing";
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(table->currentIndex().row(), 0);
  EXPECT_GT(holders->model()->rowCount(), 0) << "アギ has holders";

  auto* kind = named<QComboBox>(window, "種別");
  kind->setFocus();
  kind->showPopup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() != nullptr; }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }));
  EXPECT_TRUE(window->isVisible()) << "Escape closes only the list";
  QTest::keyClick(kind, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(SkillAndChartWindows, TheChartReadsAsRaceTimesRaceAndListsWhatACellMakes) {
  FusionChartWindow* window = tools->showFusionChart();
  auto* chart = named<QTableView>(window, "種族の合体表");
  auto* demons = named<QTableView>(window, "この組み合わせで作れる悪魔");
  QAbstractItemModelTester watch(chart->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  ASSERT_EQ(chart->model()->rowCount(), RaceTotal);
  ASSERT_EQ(chart->model()->columnCount(), RaceTotal);
  EXPECT_TRUE(chart->horizontalHeader()->isVisible() && chart->verticalHeader()->isVisible());
  EXPECT_EQ(cellReads(chart, 0, 4), "魔神 × 鬼神: 破壊神");
  EXPECT_EQ(cellReads(chart, 0, 1), "魔神 × 女神: なし");

  walkTheKeyboard(window);
  chart->setFocus(Qt::TabFocusReason);
  QTest::keyClick(chart, Qt::Key_Down);
  EXPECT_EQ(chart->currentIndex(), chart->model()->index(0, 0));
  for (int step = 0; step < 4; ++step) QTest::keyClick(chart, Qt::Key_Right);
  EXPECT_EQ(chart->currentIndex(), chart->model()->index(0, 4));
  // 破壊神 made from 魔神 × 鬼神: its normal demons with their level sums.
  QStringList expected;
  for (const ChartDemon& made : chartDemons(0, 4, false)) expected << QString::number(level(made.demon));
  EXPECT_EQ(column(demons->model(), 0), expected);
  EXPECT_EQ(column(demons->model(), 2).front(), "破壊神");
  QTest::keyClick(chart, Qt::Key_Return);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.front(), chartDemons(0, 4, false).front().demon);

  named<QCheckBox>(window, "CURSE")->click();
  for (Race b = 0; b < RaceTotal; ++b) {
    const int made = fusionResult(0, b, true);
    EXPECT_EQ(chart->model()->index(0, b).data().toString(),
              made < 0 ? QString() : QString::fromStdString(std::string(raceName(made, Language::Japanese))))
        << b;
  }
  EXPECT_EQ(chart->currentIndex(), chart->model()->index(0, 4)) << "the chosen cell stays chosen";
}

// The compendium shows when each skill of a second list is learned, and both
// skill lists describe their skills.
TEST_F(SkillAndChartWindows, TheCompendiumShowsLearnLevelsAndDescribesSkills) {
  CompendiumWindow* window = tools->showCompendium();
  named<QComboBox>(window, "種族")->setCurrentIndex(26 + 1);  // 霊鳥: ガルーダ alone
  auto* table = named<QTableView>(window, "悪魔の一覧");
  ASSERT_EQ(table->model()->rowCount(), 1);
  const int learned = table->model()->columnCount() - 1;
  EXPECT_EQ(table->model()->index(0, learned).data().toString(), "マハンマオン(Lv64)、説得(Lv65)、真空刃(Lv66)、食いしばり(Lv67)");
  const QString facts = cellReads(table, 0, learned, QAccessible::Description);
  EXPECT_TRUE(facts.startsWith("マハンマオン\n" + skillToolTip(31))) << facts.toStdString();
  EXPECT_EQ(table->model()->index(0, learned).data(Qt::ToolTipRole).toString(), facts);
  table->setCurrentIndex(table->model()->index(0, learned));
  QTest::keyClick(table, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_TRUE(QToolTip::isVisible() && QToolTip::text() == facts) << "Shift+F1 shows the current cell's facts";
  QToolTip::hideText();
}

// The long tables fit their columns by measuring each distinct text once; each
// column comes out as wide as measuring every cell makes it, in both languages
// (all but a last column stretched to the table's edge).
TEST_F(SkillAndChartWindows, TheLongTablesColumnsFitEveryCell) {
  const std::vector<QTableView*> tables{named<QTableView>(tools->showSkillTable(), "スキルの一覧"),
                                        named<QTableView>(tools->showCompendium(), "悪魔の一覧")};
  for (Language language : {Language::Japanese, Language::English}) {
    applyDisplayLanguage(language);
    QApplication::processEvents();
    for (QTableView* table : tables) {
      int measured = table->model()->columnCount();
      while (table->isColumnHidden(measured - 1)) --measured;
      if (table->horizontalHeader()->stretchLastSection()) --measured;
      std::vector<int> widths;
      for (int c = 0; c < measured; ++c) widths.push_back(table->columnWidth(c));
      table->resizeColumnsToContents();
      for (int c = 0; c < measured; ++c)
        EXPECT_EQ(widths[static_cast<size_t>(c)], table->columnWidth(c)) << static_cast<int>(language) << " "
                                                                         << table->accessibleName().toStdString()
                                                                         << " column " << c;
    }
  }
  applyDisplayLanguage(Language::Japanese);
  QApplication::processEvents();
}

// The form's skill lists and skill combos describe each skill the same way.
TEST(SkillTips, TheFormsSkillListsAndCombosDescribeTheirSkills) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  auto* order = qobject_cast<QComboBox*>(app.form().widgetFor(ControlId::RaceOrderCombo));
  order->setCurrentIndex(2);  // オーディン
  emit order->activated(2);
  const DemonRef odin = raceOrderAt(2);
  ASSERT_EQ(app.view().working().detailDemon, odin);
  for (ControlId id : {ControlId::DetailSkills1, ControlId::DetailSkills2}) {
    auto* list = qobject_cast<QListWidget*>(app.form().widgetFor(id));
    const int skill = skillsOf(odin, id == ControlId::DetailSkills1 ? SkillList::First : SkillList::Second)[0];
    ASSERT_FALSE(skillToolTip(skill).isEmpty());
    EXPECT_EQ(list->item(0)->toolTip(), skillToolTip(skill)) << static_cast<int>(id);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(list)->child(0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Description), skillToolTip(skill));
  }
  auto* condition = qobject_cast<QComboBox*>(app.form().widgetFor(ControlId::Skill1KindCombo));
  EXPECT_EQ(condition->accessibleDescription(), skillToolTip(1)) << "アギ is the first condition";
  EXPECT_EQ(condition->toolTip(), "アギ\n" + skillToolTip(1));
  condition->setCurrentIndex(kindPositionOf(116) - 1);
  emit condition->activated(condition->currentIndex());
  app.form().syncDirty();
  EXPECT_EQ(condition->accessibleDescription(), skillToolTip(116));
}

}  // namespace
}  // namespace qmoor
