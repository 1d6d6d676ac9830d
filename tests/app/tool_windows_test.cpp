// The tool windows offscreen: the ツール menu opening one window of each and
// their remembered places, the fusion simulator's partners and result, the
// compendium's filters and skill search, and opening demons in new tabs of
// the real program up to the tab limit.
#include "app/tools/tool_windows.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "app/tools/compendium/compendium_window.h"
#include "app/widgets/demon_texts.h"
#include "app/program/display_language.h"
#include "app/form_widget/form_widget.h"
#include "app/tools/fusion_chart/fusion_chart_window.h"
#include "app/tools/simulator/fusion_simulator_window.h"
#include "app/tools/my_demons/my_demons_window.h"
#include "app/main_window/main_frame.h"
#include "app/tools/planner/planner_window.h"
#include "app/program/qmoor_app.h"
#include "app/tools/skill_table/skill_table_window.h"
#include "app/tools/tool_window.h"
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "forward/forward_fusion.h"
#include "names/names.h"
#include "names/reading_order.h"
#include "tabs/tab_state.h"
#include "widget_lookup.h"

namespace qmoor {
namespace {

// Every test keeps its settings in a folder of its own.
class ToolWindowsTest : public ::testing::Test {
 protected:
  QTemporaryDir settingsFolder;
  void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path()); }

  // The user types the demon's name into combo's field, and the search offers
  // the level-order entries that contain it; the user takes the demon's.
  static void pickLevelOrder(QComboBox* combo, DemonRef demon) {
    const QString name = demonNameText(demon);
    std::vector<DemonRef> containing;
    for (int i = 0; i < DemonTotal; ++i)
      if (demonEntryText(levelOrderAt(i)).contains(name)) containing.push_back(levelOrderAt(i));
    combo->lineEdit()->selectAll();
    QInputMethodEvent typed;  // Japanese arrives through the input method
    typed.setCommitString(name);
    QApplication::sendEvent(combo->lineEdit(), &typed);
    QAbstractItemView* offered = combo->completer()->popup();
    ASSERT_TRUE(offered->isVisible()) << name.toStdString();
    ASSERT_EQ(combo->completer()->completionCount(), static_cast<int>(containing.size())) << name.toStdString();
    const auto position = std::find(containing.begin(), containing.end(), demon) - containing.begin();
    for (auto step = 0; step <= position; ++step) QTest::keyClick(offered, Qt::Key_Down);
    QTest::keyClick(offered, Qt::Key_Return);
    ASSERT_EQ(combo->currentIndex(), levelOrderIndexOf(demon)) << name.toStdString();
  }
};

struct MenuHarness {
  std::vector<DemonRef> opened;
  CMainFrame frame{new QWidget, [](CommandId) {}};
  ToolWindows* tools = new ToolWindows(
      frame.toolsMenu(),
      [this](DemonRef d) {
        opened.push_back(d);
        return true;
      },
      &frame);
  // The six windows, each opened and active.
  std::vector<ToolWindow*> openEach() {
    const std::vector<ToolWindow*> windows{static_cast<ToolWindow*>(tools->showFusionSimulator()),
                                           static_cast<ToolWindow*>(tools->showCompendium()),
                                           static_cast<ToolWindow*>(tools->showPlanner()),
                                           static_cast<ToolWindow*>(tools->showSkillTable()),
                                           static_cast<ToolWindow*>(tools->showFusionChart()),
                                           static_cast<ToolWindow*>(tools->showMyDemons())};
    for (ToolWindow* window : windows) {
      window->present();
      EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << window->windowTitle().toStdString();
    }
    return windows;
  }
};

TEST_F(ToolWindowsTest, TheMenuOpensOneWindowOfEachThatRemembersItsPlace) {
  MenuHarness harness;
  const QList<QAction*> entries = harness.frame.toolsMenu()->actions();
  ASSERT_EQ(entries.size(), 6);
  entries[0]->trigger();
  entries[1]->trigger();
  auto* simulator = harness.frame.findChild<FusionSimulatorWindow*>();
  auto* compendium = harness.frame.findChild<CompendiumWindow*>();
  ASSERT_TRUE(simulator && compendium);
  EXPECT_TRUE(simulator->isVisible() && compendium->isVisible() && simulator->isWindow());
  EXPECT_FALSE(simulator->isModal());
  entries[0]->trigger();
  EXPECT_EQ(harness.frame.findChildren<FusionSimulatorWindow*>().size(), 1);

  // Every control the keyboard reaches has a name for screen readers (the
  // text field of a combo or spin box goes by its box's).
  for (QWidget* window : std::initializer_list<QWidget*>{simulator, compendium})
    for (QWidget* control : window->findChildren<QWidget*>())
      if (control->isVisible() && control->focusPolicy() & Qt::TabFocus &&
          !qobject_cast<QComboBox*>(control->parentWidget()) && !qobject_cast<QSpinBox*>(control->parentWidget())) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << window->windowTitle().toStdString() << ": " << control->metaObject()->className();
      }

  simulator->resize(720, 560);
  simulator->close();
  delete simulator;
  FusionSimulatorWindow* again = harness.tools->showFusionSimulator();
  EXPECT_EQ(again->size(), QSize(720, 560));
  ASSERT_TRUE(QTest::qWaitForWindowActive(again));
  QTest::keyClick(again, Qt::Key_Escape);
  EXPECT_FALSE(again->isVisible());
}

// Every tool window can be narrowed to half of a 1366-pixel screen (200 %),
// its rows of filters scrolling sideways where they do not fit.
TEST_F(ToolWindowsTest, EveryToolWindowFitsANarrowScreen) {
  MenuHarness harness;
  for (ToolWindow* window : harness.openEach()) {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const std::string title = window->windowTitle().toStdString();
    EXPECT_LE(window->minimumSizeHint().width(), 1366 / 2 - 10) << title;
    window->resize(1366 / 2 - 10, window->height());
    QApplication::processEvents();
    for (QWidget* control : window->findChildren<QWidget*>()) {
      if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)) continue;
      control->setFocus(Qt::TabFocusReason);
      QApplication::processEvents();
      const QRect shown = QRect(control->mapTo(window, QPoint(0, 0)), control->size()).intersected(window->rect());
      EXPECT_FALSE(shown.isEmpty()) << title << ": " << control->accessibleName().toStdString();
    }
    window->close();
  }
}

// In both languages every access key of a window is its own, and a label's
// key takes the focus to its control (or into it) without acting on it.
TEST_F(ToolWindowsTest, EveryAccessKeyIsUniqueAndOnlyMovesTheFocus) {
  for (const Language language : {Language::Japanese, Language::English}) {
    applyDisplayLanguage(language);
    MenuHarness harness;
    QApplication::processEvents();
    for (ToolWindow* window : harness.openEach()) {
      QApplication::setActiveWindow(window);
      std::map<int, QString> keys;
      const auto take = [&](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) return;
        const auto [found, added] = keys.emplace(key[0].toCombined(), text);
        EXPECT_TRUE(added) << window->windowTitle().toStdString() << ": " << text.toStdString() << " and "
                           << found->second.toStdString();
      };
      for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy()) take(label->text());
      for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) take(button->text());
      for (QLabel* label : window->findChildren<QLabel*>()) {
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        if (!label->buddy() || key.isEmpty() || !label->isVisible() || !label->buddy()->isEnabled()) continue;
        std::vector<bool> ticks;
        for (const QCheckBox* box : window->findChildren<QCheckBox*>()) ticks.push_back(box->isChecked());
        QTest::keyClick(window, static_cast<Qt::Key>(key[0].key()), Qt::AltModifier);
        std::vector<bool> after;
        for (const QCheckBox* box : window->findChildren<QCheckBox*>()) after.push_back(box->isChecked());
        EXPECT_EQ(after, ticks) << label->text().toStdString() << " ticked a box";
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus && (focus == label->buddy() || label->buddy()->isAncestorOf(focus)))
            << window->windowTitle().toStdString() << ": " << label->text().toStdString() << " left the focus on "
            << (focus ? focus->metaObject()->className() : "nothing");
      }
      window->close();
    }
  }
  applyDisplayLanguage(Language::Japanese);
}

// Every text a tool window shows reads as itself to a screen reader: an
// answer (a result, a count, a status) is not hidden behind a fixed name.
TEST_F(ToolWindowsTest, EveryTextReadsAsItself) {
  MenuHarness harness;
  for (ToolWindow* window : harness.openEach()) {
    if (auto* simulator = qobject_cast<FusionSimulatorWindow*>(window)) {
      pickLevelOrder(named<QComboBox>(simulator, "素材"), {7, 8});
      pickLevelOrder(named<QComboBox>(simulator, "相手"), {0, 0});
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      const QString text = QString(label->text()).remove(QLatin1Char('&'));
      if (!label->isVisible() || text.isEmpty()) continue;
      EXPECT_TRUE(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label))->text(QAccessible::Name).contains(text))
          << window->windowTitle().toStdString() << ": " << text.toStdString() << " reads as "
          << QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label))->text(QAccessible::Name).toStdString();
    }
    window->close();
  }
}

// Escape on an open drop-down or completion list closes the list alone; the
// next Escape, from a table or a field, closes the window.
TEST_F(ToolWindowsTest, EscapeClosesOnlyWhatIsOnTop) {
  MenuHarness harness;
  for (ToolWindow* window : harness.openEach()) {
    QApplication::setActiveWindow(window);
    const std::string title = window->windowTitle().toStdString();
    const auto combos = window->findChildren<QComboBox*>();
    if (!combos.isEmpty()) {
      QComboBox* combo = combos.front();
      combo->setFocus();
      combo->showPopup();
      ASSERT_TRUE(combo->view()->isVisible());
      QTest::keyClick(combo->view(), Qt::Key_Escape);
      EXPECT_FALSE(combo->view()->isVisible());
      EXPECT_TRUE(window->isVisible()) << title << ": Escape on the drop-down list";
    }
    for (QComboBox* searchable : combos) {
      if (!searchable->isEditable() || !searchable->completer()) continue;
      searchable->setFocus();
      searchable->lineEdit()->setText(QString());
      QTest::keyClicks(searchable->lineEdit(), QStringLiteral("a"));
      QAbstractItemView* offered = searchable->completer()->popup();
      if (!offered->isVisible()) continue;
      QTest::keyClick(offered, Qt::Key_Escape);
      EXPECT_FALSE(offered->isVisible());
      EXPECT_TRUE(window->isVisible()) << title << ": Escape on the completion list";
      break;
    }
    for (QAbstractItemView* list : window->findChildren<QAbstractItemView*>()) {
      if (!list->isVisible()) continue;
      list->setFocus();
      QTest::keyClick(list, Qt::Key_Escape);
      break;
    }
    EXPECT_FALSE(window->isVisible()) << title << ": Escape from a list in the window";
  }
}

// Return on a demon's name, typed as people type it in either language, or on
// the start of one name alone, chooses that demon and no other whose name
// contains it, the list open or not, and moves on; in the planner it does
// not search.
TEST_F(ToolWindowsTest, ReturnOnANameChoosesThatDemon) {
  MenuHarness harness;
  FusionSimulatorWindow* simulator = harness.tools->showFusionSimulator();
  PlannerWindow* planner = harness.tools->showPlanner();
  auto* material = named<QComboBox>(simulator, "素材");
  auto* target = named<QComboBox>(planner, "合体先の悪魔");
  auto* excluded = named<QComboBox>(planner, "除外に加える悪魔");
  auto* status = named<QLabel>(planner, "検索結果");
  const auto demonNamed = [](const char* name) { return demonsNamed(name).front(); };
  const struct {
    QComboBox* combo;
    Language language;
    QString typed;
    DemonRef demon;
  } cases[] = {
      {material, Language::Japanese, "ピクシー", demonNamed("ピクシー")},
      {material, Language::Japanese, "ぴくしー", demonNamed("ピクシー")},
      {material, Language::Japanese, "　ピクシー ", demonNamed("ピクシー")},
      {material, Language::Japanese, "じゃっくふ", demonNamed("ジャックフロスト")},
      {material, Language::English, "Pixie", demonNamed("ピクシー")},
      {material, Language::English, "jack frost", demonNamed("ジャックフロスト")},
      {material, Language::English, "Black Rider", demonNamed("ブラックライダー")},
      {target, Language::Japanese, "おんこっと", demonNamed("オンコット")},
      {target, Language::English, "Jack Frost", demonNamed("ジャックフロスト")},
      {excluded, Language::Japanese, "ぴくしー", demonNamed("ピクシー")},
  };
  for (const auto& c : cases) {
    applyDisplayLanguage(c.language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);  // the windows take the change now
    QWidget* window = c.combo->window();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const bool listOpen : {true, false}) {
      const std::string what = c.typed.toStdString() + (listOpen ? " with the list open" : "");
      c.combo->setCurrentIndex(0);
      c.combo->setFocus();
      c.combo->lineEdit()->selectAll();
      QInputMethodEvent typing;
      typing.setCommitString(c.typed);
      QApplication::sendEvent(c.combo->lineEdit(), &typing);
      QAbstractItemView* offered = c.combo->completer()->popup();
      if (!listOpen && offered->isVisible()) QTest::keyClick(offered, Qt::Key_Escape);
      // The box has the keyboard: Return goes to it (a window just activated may
      // not have handed the application its focus yet).
      QTest::keyClick(offered->isVisible() ? static_cast<QWidget*>(offered) : static_cast<QWidget*>(c.combo), Qt::Key_Return);
      EXPECT_EQ(demonFromData(c.combo->currentData(DemonRole)), std::optional(c.demon)) << what;
      EXPECT_EQ(c.combo->currentText(), demonEntryText(c.demon)) << what;
      EXPECT_FALSE(c.combo->hasFocus()) << what << ": Return did not move on";
    }
  }
  EXPECT_TRUE(status->text().isEmpty()) << "Return in a field of names searched: " << status->text().toStdString();
  applyDisplayLanguage(Language::Japanese);
}

TEST_F(ToolWindowsTest, TheSimulatorListsEveryPartnerAndShowsThePickedPairsResult) {
  MenuHarness harness;
  FusionSimulatorWindow* window = harness.tools->showFusionSimulator();
  auto* table = named<QTableView>(window, "相手と合体結果");
  QAbstractItemModelTester watch(table->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  auto* curse = named<QCheckBox>(window, "CURSE");
  const DemonRef material = levelOrderAt(100);
  pickLevelOrder(named<QComboBox>(window, "素材"), material);

  for (bool cursed : {false, true}) {
    if (curse->isChecked() != cursed) QTest::mouseClick(curse, Qt::LeftButton);
    const std::vector<Partnership> expected = partners(material, cursed);
    ASSERT_EQ(table->model()->rowCount(), static_cast<int>(expected.size()));
    for (size_t r = 0; r < expected.size(); ++r) {
      const FusionOutcome& outcome = expected[r].outcome;
      const QString shown = table->model()->index(static_cast<int>(r), 2).data().toString() + " " +
                            table->model()->index(static_cast<int>(r), 3).data().toString() + " " +
                            table->model()->index(static_cast<int>(r), 5).data().toString();
      const QString wanted = demonNameText(expected[r].partner) + " " +
                             (outcome.normal ? demonEntryText(*outcome.normal) : QString()) + " " +
                             (outcome.spirit ? demonEntryText(*outcome.spirit) : QString());
      ASSERT_EQ(shown, wanted) << "row " << r << (cursed ? " with CURSE" : "");
    }
  }

  table->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
  const QStringList levels = column(table->model(), 0);
  for (int r = 1; r < levels.size(); ++r) ASSERT_GE(levels[r - 1].toInt(), levels[r].toInt()) << "row " << r;

  const std::vector<Partnership> cursedPartners = partners(material, true);
  const Partnership& pair = *std::find_if(cursedPartners.begin(), cursedPartners.end(),
                                          [](const Partnership& p) { return p.outcome.normal.has_value(); });
  pickLevelOrder(named<QComboBox>(window, "相手"), pair.partner);
  const DemonRef result = *pair.outcome.normal;
  QStringList resultTexts;
  for (const QLabel* label : window->findChildren<QLabel*>()) resultTexts << label->text();
  EXPECT_TRUE(resultTexts.contains(demonNameText(result)));
  EXPECT_TRUE(resultTexts.filter(QString::number(level(result))).filter(raceText(result.race)).size() == 1)
      << resultTexts.join('|').toStdString();

  DemonRef recipeMaterial = levelOrderAt(0);
  for (int i = 0; specialsNaming(recipeMaterial).empty(); ++i) recipeMaterial = levelOrderAt(i);
  pickLevelOrder(named<QComboBox>(window, "素材"), recipeMaterial);
  QStringList specials;
  for (DemonRef special : specialsNaming(recipeMaterial)) specials << demonEntryText(special);
  EXPECT_EQ(column(named<QTableView>(window, "この悪魔を素材にする特殊合体")->model(), 0), specials);
}

// A condition of the compendium's filter bar, set by the user, and the same
// condition read from the game data's texts.
struct CompendiumCase {
  const char* name;
  std::function<void(CompendiumWindow*)> set;
  std::function<bool(DemonRef)> holds;
};

bool innateHolds(DemonRef demon, int skill) {
  const auto first = skillsOf(demon, SkillList::First);
  return std::find(first.begin(), first.end(), skill) != first.end();
}

TEST_F(ToolWindowsTest, OnTheKeyboardTheSimulatorsTableTakesAPartnerOnlyWhenARowIsPicked) {
  MenuHarness harness;
  FusionSimulatorWindow* window = harness.tools->showFusionSimulator();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  const DemonRef material = levelOrderAt(100);
  pickLevelOrder(named<QComboBox>(window, "素材"), material);
  auto* partner = named<QComboBox>(window, "相手");
  auto* table = named<QTableView>(window, "相手と合体結果");
  partner->setFocus();
  QInputMethodEvent typed;
  typed.setCommitString(QStringLiteral("どの悪魔でもない"));
  QApplication::sendEvent(partner->lineEdit(), &typed);
  QTest::keyClick(partner->lineEdit(), Qt::Key_Tab);
  EXPECT_EQ(partner->currentText(), QString()) << "text that names nothing chosen goes when the field is left";
  for (int presses = 0; presses < 10 && QApplication::focusWidget() != table; ++presses)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), table) << "the table is reached by Tab";
  EXPECT_EQ(partner->currentIndex(), -1) << "focus alone picks no partner";
  QTest::keyClick(table, Qt::Key_Down);
  QTest::keyClick(table, Qt::Key_Return);
  const DemonRef first = partners(material, false).at(0).partner;  // the first ↓ takes row 0, not row 1
  EXPECT_EQ(partner->currentIndex(), levelOrderIndexOf(first));
  EXPECT_EQ(harness.opened, std::vector<DemonRef>{first});
}

TEST_F(ToolWindowsTest, TheCompendiumShowsAndCountsTheDemonsEachFilterLets) {
  MenuHarness harness;
  CompendiumWindow* window = harness.tools->showCompendium();
  auto* table = named<QTableView>(window, "悪魔の一覧");
  auto* count = named<QLabel>(window, "表示している悪魔の数");
  // A skill that some demons have from the start and others learn later, and
  // a skill learnt later by one of the first.
  int innate = 0;
  for (int position = 1; innate == 0; ++position) {
    const int skill = kindOrderAt(position);
    const std::vector<DemonRef> all = holders(skill);
    const auto fromStart = std::count_if(all.begin(), all.end(), [skill](DemonRef d) { return innateHolds(d, skill); });
    if (fromStart > 1 && fromStart < static_cast<long>(all.size())) innate = skill;
  }
  const std::vector<DemonRef> innateHolders = holders(innate);
  const DemonRef sample = *std::find_if(innateHolders.begin(), innateHolders.end(),
                                        [innate](DemonRef d) { return innateHolds(d, innate); });
  const int learnt = skillsOf(sample, SkillList::Second)[0];
  auto pickSkill = [](CompendiumWindow* w, int combo, int skill) {
    named<QComboBox>(w, QStringLiteral("スキル%1").arg(combo))->setCurrentIndex(kindPositionOf(skill));
  };
  auto tick = [](CompendiumWindow* w, const QString& box) {
    QTest::mouseClick(named<QCheckBox>(w, box), Qt::LeftButton);
  };
  const std::vector<CompendiumCase> cases = {
      {"everyone", [](CompendiumWindow*) {}, [](DemonRef) { return true; }},
      {"race 5 from level 30",
       [](CompendiumWindow* w) {
         named<QComboBox>(w, "種族")->setCurrentIndex(6);
         named<QSpinBox>(w, "最低レベル")->setValue(30);
       },
       [](DemonRef d) { return d.race == 5 && level(d) >= 30; }},
      {"呪殺 is 無, 吸 or 反",
       [&](CompendiumWindow* w) {
         named<QComboBox>(w, "耐性の属性")->setCurrentIndex(7);
         for (const char* grade : {"耐性が無", "耐性が吸", "耐性が反"}) tick(w, grade);
       },
       [](DemonRef d) {
         return QStringList({"無", "吸", "反"}).contains(QString::fromUtf8(cell(resistanceColumn(6), d)));
       }},
      {"marks 口 and 羽",
       [&](CompendiumWindow* w) {
         tick(w, "印 口 あり");
         tick(w, "印 羽 あり");
       },
       [](DemonRef d) { return cell(markColumn(0), d) == "口" && cell(markColumn(1), d) == "羽"; }},
      {"two skills",
       [&](CompendiumWindow* w) {
         pickSkill(w, 1, innate);
         pickSkill(w, 3, learnt);
       },
       [&](DemonRef d) { return holdsSkill(d, innate) && holdsSkill(d, learnt); }},
      {"one skill innate only",
       [&](CompendiumWindow* w) {
         pickSkill(w, 2, innate);
         tick(w, "初期スキルのみ");
       },
       [&](DemonRef d) { return innateHolds(d, innate); }},
      {"two skills innate only",
       [&](CompendiumWindow* w) {
         pickSkill(w, 1, innate);
         pickSkill(w, 4, learnt);
         tick(w, "初期スキルのみ");
       },
       [&](DemonRef d) { return innateHolds(d, innate) && innateHolds(d, learnt); }},
  };
  for (const CompendiumCase& c : cases) {
    QTest::mouseClick(named<QPushButton>(window, "条件をクリア"), Qt::LeftButton);
    c.set(window);
    QStringList expected;
    for (int i = 0; i < DemonTotal; ++i)
      if (c.holds(raceOrderAt(i))) expected << demonNameText(raceOrderAt(i));
    EXPECT_EQ(column(table->model(), 1), expected) << c.name;
    EXPECT_EQ(count->text(), QStringLiteral("%1体を表示").arg(expected.size())) << c.name;
  }

  // A sort holds while the filter changes, and the skill lists sort as text.
  QTest::mouseClick(named<QPushButton>(window, "条件をクリア"), Qt::LeftButton);
  struct Sorted {
    int column;
    Qt::SortOrder order;
    bool numbers;
  };
  for (const Sorted& sorted : {Sorted{3, Qt::AscendingOrder, true}, Sorted{31, Qt::AscendingOrder, false}}) {
    table->horizontalHeader()->setSortIndicator(sorted.column, sorted.order);
    named<QComboBox>(window, "種族")->setCurrentIndex(sorted.column == 3 ? 3 : 0);
    const QStringList texts = column(table->model(), sorted.column);
    EXPECT_EQ(texts.size(), sorted.column == 3 ? raceCount(2) : DemonTotal);
    for (int r = 1; r < texts.size(); ++r) {
      const bool ascending = sorted.numbers ? texts[r - 1].toInt() <= texts[r].toInt() : texts[r - 1] <= texts[r];
      const bool descending = sorted.numbers ? texts[r - 1].toInt() >= texts[r].toInt() : texts[r - 1] >= texts[r];
      ASSERT_TRUE(sorted.order == Qt::AscendingOrder ? ascending : descending)
          << "column " << sorted.column << " row " << r;
    }
  }

  // Names sort in reading order (50音順), in either language.
  named<QComboBox>(window, "種族")->setCurrentIndex(0);
  for (const Language language : {Language::Japanese, Language::English}) {
    applyDisplayLanguage(language);
    QApplication::processEvents();  // the window hears of the language
    table->horizontalHeader()->setSortIndicator(1, Qt::AscendingOrder);
    const QStringList names = column(table->model(), 1);
    ASSERT_EQ(names.size(), DemonTotal);
    for (int r = 1; r < names.size(); ++r)
      ASSERT_LE(readingKey(names[r - 1].toStdString()), readingKey(names[r].toStdString()))
          << names[r - 1].toStdString() << " before " << names[r].toStdString();
  }
  applyDisplayLanguage(Language::Japanese);
}

// In English the name filter reads the English names, in either case, and the
// name column sorts by them.
TEST_F(ToolWindowsTest, InEnglishTheCompendiumFiltersAndSortsTheEnglishNames) {
  struct JapaneseAgain {
    ~JapaneseAgain() { applyDisplayLanguage(Language::Japanese); }
  } japaneseAgain;
  applyDisplayLanguage(Language::English);
  MenuHarness harness;
  CompendiumWindow* window = harness.tools->showCompendium();
  auto* table = named<QTableView>(window, "Demons");
  named<QLineEdit>(window, "Text in the name")->setText(QStringLiteral("pIX"));
  table->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
  QStringList expected;
  for (int i = 0; i < DemonTotal; ++i) {
    const QString name = demonNameText(raceOrderAt(i));
    if (name.contains(QStringLiteral("pix"), Qt::CaseInsensitive)) expected << name;
  }
  std::sort(expected.begin(), expected.end(), std::greater<>());
  ASSERT_GE(expected.size(), 2) << "Pixie and High Pixie";
  EXPECT_EQ(column(table->model(), 1), expected);
}

TEST_F(ToolWindowsTest, ADemonOpensInANewTabOfTheMainWindowUntilTheTabsAreFull) {
  CQmoorApp app;
  ASSERT_TRUE(app.InitInstance({"quillmoor"}));
  app.frame().toolsMenu()->actions().at(1)->trigger();
  auto* window = app.frame().findChild<CompendiumWindow*>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  auto* table = named<QTableView>(window, "悪魔の一覧");
  const TabControl& tabs = app.view().form().tabs();
  auto cellCentre = [table](int row) { return table->visualRect(table->model()->index(row, 1)).center(); };

  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(3));  // the row is picked first
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cellCentre(3));
  ASSERT_EQ(tabs.count(), 2);
  EXPECT_EQ(tabs.label(1), cell(Column::Name, raceOrderAt(3)));
  QStatusBar* status = window->findChild<QStatusBar*>();
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->isVisible());
  EXPECT_TRUE(status->currentMessage().contains(demonNameText(raceOrderAt(3)))) << status->currentMessage().toStdString();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->role(), QAccessible::StatusBar);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name), status->currentMessage());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
  table->setCurrentIndex(table->model()->index(5, 0));
  table->actions().at(0)->trigger();  // 新しいタブで開く
  ASSERT_EQ(tabs.count(), 3);
  EXPECT_EQ(tabs.label(1), cell(Column::Name, raceOrderAt(5)));
  EXPECT_EQ(app.frame().findChild<QTabBar*>()->count(), 3);

  while (app.view().openInNewTab(raceOrderAt(0))) {
  }
  ASSERT_EQ(tabs.count(), MaxTabs);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cellCentre(3));
  EXPECT_EQ(tabs.count(), MaxTabs);
  auto* message = window->findChild<QMessageBox*>();
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(message->isVisible());
  EXPECT_TRUE(message->text().contains(QString::number(MaxTabs))) << message->text().toStdString();
}

}  // namespace
}  // namespace qmoor
