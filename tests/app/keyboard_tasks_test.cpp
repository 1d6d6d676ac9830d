// Three tasks as a keyboard user does them, checked by what is saved, shown
// and read: adding three of my demons with their levels and skills; planning
// a demon with two wanted skills from my demons, then looking at the
// neighbouring targets; finding who learns a skill in スキル一覧 and sending it
// to the planner.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/widgets/demon_texts.h"
#include "app/main_window/main_frame.h"
#include "app/tools/my_demons/my_demon_dialog.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/tools/my_demons/my_demons_window.h"
#include "app/tools/planner/planner_window.h"
#include "app/tools/skill_table/skill_table_window.h"
#include "app/tools/tool_windows.h"
#include "data/compendium.h"
#include "data/races.h"
#include "plan_text/plan_text.h"
#include "stock/holding_rule.h"
#include "widget_lookup.h"

namespace qmoor {
namespace {

constexpr DemonRef Pixie{7, 8};
constexpr DemonRef Mizuchi{11, 3};
constexpr DemonRef Onkot{6, 3};
constexpr int FogBreath = 116;
constexpr int Seduce = 253;
constexpr int WineParty = 277;     // 酒の宴
constexpr int HellFang = 164;      // ヘルファング
constexpr DemonRef HellFangLearner{8, 0};

DemonRef demonNamed(const QString& name) {
  for (int i = 0; i < DemonTotal; ++i)
    if (demonNameText(levelOrderAt(i)) == name) return levelOrderAt(i);
  ADD_FAILURE() << "no demon " << name.toStdString();
  return {};
}

bool canGet(DemonRef target, int skill) { return std::ranges::count(obtainableSkills(target), skill) > 0; }

// Keys go where the focus is, as the user's do, else to the active window.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, modifiers);
}

// Text typed through the input method, as Japanese arrives.
void typeText(const QString& text) {
  QInputMethodEvent typed;
  typed.setCommitString(text);
  QApplication::sendEvent(QApplication::focusWidget(), &typed);
}

// Typing a name on a closed list box picks the entry that starts with it.
void typeOnList(const QString& text) {
  QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(QApplication::focusWidget(), &key);
}

// ↑ or ↓ on the focused list box until it shows entry.
void arrowTo(QComboBox* combo, int entry) {
  while (combo->currentIndex() != entry) press(combo->currentIndex() < entry ? Qt::Key_Down : Qt::Key_Up);
}

class KeyboardTasks : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString path;
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    path = folder.filePath(QStringLiteral("demons.json"));
  }
  // The file as a new holder reads it.
  std::vector<MyDemon> saved() const { return MyDemonsStore(nullptr, path).demons(); }
};

struct NewDemon {
  QString typed;                      // into the demon field, then Return
  QString name;                       // the demon it names
  QString level;                      // typed into the level field
  QStringList extra{};                // skills typed into the first empty slots
};

TEST_F(KeyboardTasks, AddsThreeOfMyDemonsWithLevelsAndSkills) {
  MyDemonsStore store(nullptr, path);
  QWidget owner;
  MyDemonsWindow window(&store, [](DemonRef) { return true; }, &owner);
  window.present();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  // ふれいみーず and みずち as typed in hiragana; ピクシー with 酒の宴, which it
  // may inherit, chosen in its first free slot.
  const DemonRef flameies = demonNamed(QStringLiteral("フレイミーズ"));
  std::vector<int> pixieAt20 = skillsAtLevel(Pixie, 20);
  ASSERT_EQ(std::ranges::count(holdableSkills(Pixie, 20), WineParty), 1);
  ASSERT_EQ(std::ranges::count(pixieAt20, WineParty), 0);
  ASSERT_LT(pixieAt20.size(), 8u);
  const std::vector<NewDemon> tasks{
      {QStringLiteral("ふれいみーず"), QStringLiteral("フレイミーズ"), QStringLiteral("30")},
      {QStringLiteral("ピクシー"), QStringLiteral("ピクシー"), QStringLiteral("20"), {skillText(WineParty)}},
      {QStringLiteral("みずち"), QStringLiteral("ミズチ"), QStringLiteral("38")},
  };
  for (const NewDemon& task : tasks) {
    bool answered = false;
    whenModal(
        [&](QWidget* modal) {
          auto* dialog = qobject_cast<MyDemonDialog*>(modal);
          ASSERT_NE(dialog, nullptr);
          auto* demon = named<QComboBox>(dialog, QStringLiteral("悪魔"));
          auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
          EXPECT_EQ(demon->currentText(), QString()) << "opens empty";
          EXPECT_FALSE(ok->isEnabled()) << "no demon, no OK";
          demon->setFocus();
          // Text that names no demon picks nothing and commits nothing.
          typeText(QStringLiteral("Jack Frozen"));
          if (demon->completer()->popup()->isVisible()) QTest::keyClick(demon->completer()->popup(), Qt::Key_Escape);
          press(Qt::Key_Return);
          EXPECT_TRUE(dialog->isVisible());
          EXPECT_FALSE(ok->isEnabled());

          demon->lineEdit()->selectAll();
          typeText(task.typed);
          if (demon->completer()->popup()->isVisible()) QTest::keyClick(demon->completer()->popup(), Qt::Key_Escape);
          press(Qt::Key_Return);  // chooses the demon and moves on to its level
          ASSERT_TRUE(dialog->isVisible()) << task.typed.toStdString() << ": Return committed the dialog";
          EXPECT_EQ(demon->currentText(), demonEntryText(demonNamed(task.name)));
          auto* level = named<QSpinBox>(dialog, QStringLiteral("レベル"));
          EXPECT_TRUE(QApplication::focusWidget() == level || level->isAncestorOf(QApplication::focusWidget()));
          QTest::keyClicks(QApplication::focusWidget(), task.level);
          press(Qt::Key_S, Qt::AltModifier);
          for (const QString& skill : task.extra) {
            while (qobject_cast<QComboBox*>(QApplication::focusWidget())->currentIndex() > 0) press(Qt::Key_Tab);
            typeOnList(skill);
          }
          press(Qt::Key_Return);
        },
        answered);
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
  }

  pixieAt20.push_back(WineParty);
  const std::vector<MyDemon> wanted{{flameies, 30, skillsAtLevel(flameies, 30), {}},
                                    {Pixie, 20, pixieAt20, {}},
                                    {Mizuchi, 38, skillsAtLevel(Mizuchi, 38), {}}};
  EXPECT_EQ(saved(), wanted);
  auto* table = named<QTableView>(&window, QStringLiteral("所持悪魔の一覧"));
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(table);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(table->model()->index(row, 0).data().toInt(), wanted[static_cast<std::size_t>(row)].level);
    EXPECT_EQ(reader->tableInterface()->cellAt(row, 2)->text(QAccessible::Name),
              demonNameText(wanted[static_cast<std::size_t>(row)].demon));
  }
  EXPECT_TRUE(table->model()->index(1, 3).data().toString().contains(skillText(WineParty)));
}

TEST_F(KeyboardTasks, PlansADemonWithTwoWantedSkillsFromMyDemons) {
  MyDemonsStore store(nullptr, path);
  store.change({{Pixie, 20, {43, 13, Seduce, 61, 53, 85}, {}}, {Mizuchi, 38, {8, 11, 66, 69, 51, 142, FogBreath}, {}}});
  QWidget owner;
  PlannerWindow window(&store, [] {}, [](DemonRef) { return true; }, &owner);
  window.present();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* target = named<QComboBox>(&window, QStringLiteral("合体先の悪魔"));
  auto* first = named<QComboBox>(&window, QStringLiteral("スキル1"));
  auto* second = named<QComboBox>(&window, QStringLiteral("スキル2"));
  auto* plans = named<QTreeWidget>(&window, QStringLiteral("合体プラン"));
  auto* status = named<QLabel>(&window, QStringLiteral("検索結果"));

  press(Qt::Key_T, Qt::AltModifier);
  ASSERT_EQ(QApplication::focusWidget(), target->focusProxy() ? target->focusProxy() : target);
  arrowTo(target, target->findText(demonEntryText(Onkot)));
  press(Qt::Key_K, Qt::AltModifier);
  typeOnList(skillText(FogBreath));
  press(Qt::Key_Tab);
  typeOnList(skillText(Seduce));
  EXPECT_EQ(first->currentText(), skillText(FogBreath));
  EXPECT_EQ(second->currentText(), skillText(Seduce));
  press(Qt::Key_U, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return named<QCheckBox>(&window, QStringLiteral("所持悪魔を使う"))->isChecked(); }));
  press(Qt::Key_S, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.searching() && plans->topLevelItemCount() > 0; }, 20000));

  PlanRequest asked{Onkot, {FogBreath, Seduce}};
  asked.mine = store.demons();
  EXPECT_EQ(window.plansText().toStdString(), planAnswerText(asked, planRoutes(asked), Language::Japanese));
  EXPECT_TRUE(window.plansText().contains(QStringLiteral("［所持］")));
  // The tree says what it was asked for, to the eye and to the ear.
  const QString heading = QString::fromStdString(planHeading(asked, Language::Japanese));
  EXPECT_FALSE(plans->isHeaderHidden());
  EXPECT_EQ(plans->headerItem()->text(0), heading);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(plans)->text(QAccessible::Description), heading);
  EXPECT_EQ(status->text(), QStringLiteral("プラン %1 件").arg(plans->topLevelItemCount()));

  // Up through the targets to one that cannot get a wanted skill: the plans
  // go, the status says what is left out, and back down both are wanted again.
  press(Qt::Key_T, Qt::AltModifier);
  int steps = 0;
  while (canGet(demonNamed(target->currentText().section(' ', -1)), FogBreath) &&
         canGet(demonNamed(target->currentText().section(' ', -1)), Seduce) && target->currentIndex() > 0) {
    press(Qt::Key_Up);
    ++steps;
    EXPECT_EQ(plans->topLevelItemCount(), 0);
    EXPECT_TRUE(plans->isHeaderHidden());
  }
  ASSERT_GT(steps, 0);
  const QString leftOut = status->text();
  EXPECT_TRUE(leftOut.startsWith(target->currentText() + QStringLiteral(" は "))) << leftOut.toStdString();
  EXPECT_TRUE(leftOut.contains(QStringLiteral("検索から外しています"))) << leftOut.toStdString();
  EXPECT_TRUE(first->currentIndex() == 0 || second->currentIndex() == 0);
  for (; steps > 0; --steps) press(Qt::Key_Down);
  EXPECT_EQ(target->currentText(), demonEntryText(Onkot));
  EXPECT_EQ(first->currentText(), skillText(FogBreath));
  EXPECT_EQ(second->currentText(), skillText(Seduce));
}

TEST_F(KeyboardTasks, FindsWhoLearnsASkillAndSendsItToThePlanner) {
  CMainFrame frame{new QWidget, [](CommandId) {}};
  auto* tools = new ToolWindows(frame.toolsMenu(), [](DemonRef) { return true; }, &frame);
  // オーディン is asked for 酒の宴, then sent ヘルファング, which it cannot get:
  // the first target that can get ヘルファング cannot get 酒の宴, a later one both.
  const DemonRef odin{0, 2};
  ASSERT_TRUE(canGet(odin, WineParty) && !canGet(odin, HellFang));
  int firstGetter = 0;
  while (!canGet(levelOrderAt(firstGetter), HellFang)) ++firstGetter;
  ASSERT_FALSE(canGet(levelOrderAt(firstGetter), WineParty));
  ASSERT_EQ(std::ranges::count(learnedUpTo(HellFangLearner, MaxLevel), HellFang), 1);
  PlannerWindow* planner = tools->showPlanner();
  auto* target = named<QComboBox>(planner, QStringLiteral("合体先の悪魔"));
  target->setCurrentIndex(target->findText(demonEntryText(odin)));
  auto* first = named<QComboBox>(planner, QStringLiteral("スキル1"));
  first->setCurrentIndex(first->findText(skillText(WineParty)));
  planner->search();
  auto* plans = named<QTreeWidget>(planner, QStringLiteral("合体プラン"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !planner->searching() && plans->topLevelItemCount() > 0; }, 20000));

  SkillTableWindow* table = tools->showSkillTable();
  QApplication::setActiveWindow(table);
  ASSERT_TRUE(QTest::qWaitForWindowActive(table));
  press(Qt::Key_N, Qt::AltModifier);
  typeText(skillText(HellFang));
  press(Qt::Key_S, Qt::AltModifier);
  auto* skills = named<QTableView>(table, QStringLiteral("スキルの一覧"));
  ASSERT_EQ(QApplication::focusWidget(), skills);
  const auto nameOnRow = [&] { return skills->model()->index(skills->currentIndex().row(), 1).data().toString(); };
  for (int row = 0; row < skills->model()->rowCount() && nameOnRow() != skillText(HellFang); ++row) press(Qt::Key_Down);
  ASSERT_EQ(nameOnRow(), skillText(HellFang));
  if (!skills->selectionModel()->isRowSelected(skills->currentIndex().row())) press(Qt::Key_Space);
  // Who learns it, and at what level, as the holders' table shows and reads.
  auto* holders = named<QTableView>(table, QStringLiteral("スキルを持つ悪魔"));
  const QStringList holderNames = column(holders->model(), 1);
  const int learnerRow = static_cast<int>(holderNames.indexOf(demonNameText(HellFangLearner)));
  ASSERT_GE(learnerRow, 0) << holderNames.join(' ').toStdString();
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(holders);
  EXPECT_EQ(reader->tableInterface()->cellAt(learnerRow, 1)->text(QAccessible::Name), demonNameText(HellFangLearner));
  EXPECT_TRUE(reader->tableInterface()->cellAt(learnerRow, 3)->text(QAccessible::Name).contains(QStringLiteral("習得")));

  press(Qt::Key_P, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return named<QComboBox>(planner, QStringLiteral("スキル2"))->currentIndex() > 0; }));
  // The new target gets both skills; the old plans are gone.
  const QString chosen = target->currentText();
  EXPECT_NE(chosen, demonEntryText(odin));
  const DemonRef now = demonNamed(chosen.section(' ', -1));
  EXPECT_TRUE(canGet(now, WineParty) && canGet(now, HellFang)) << chosen.toStdString();
  EXPECT_EQ(first->currentText(), skillText(WineParty));
  EXPECT_EQ(named<QComboBox>(planner, QStringLiteral("スキル2"))->currentText(), skillText(HellFang));
  EXPECT_EQ(plans->topLevelItemCount(), 0);
  EXPECT_TRUE(planner->plansText().isEmpty());
}

}  // namespace
}  // namespace qmoor
