// The window as a keyboard and screen-reader user meets it: Tab walks the
// whole form without changing the query, leaves the result table, Ctrl+Tab
// switches tabs, the wheel leaves an unfocused combo box alone, every control
// has a name, and long listings scroll.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "app/form_widget/form_widget.h"
#include "app/main_window/main_frame.h"
#include "app/program/qmoor_app.h"
#include "data/races.h"
#include "script/dumps.h"

namespace qmoor {
namespace {

class KeyboardTest : public ::testing::Test {
 protected:
  CQmoorApp app;

  void SetUp() override {
    ASSERT_TRUE(app.InitInstance({"quillmoor"}));
    QApplication::setActiveWindow(&app.frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frame()));
  }
  template <typename W>
  W* widgetOf(ControlId id) {
    return qobject_cast<W*>(app.form().widgetFor(id));
  }
  QTabBar* tabRow() { return app.form().widgetFor(ControlId::TabBar)->findChild<QTabBar*>(); }
  // Everything the query holds: the working state and every control model.
  std::string snapshot() {
    nlohmann::ordered_json all = nlohmann::ordered_json::array({dumpState(app.view())});
    for (const auto& control : app.view().form().controls()) all.push_back(dumpControl(*control));
    return all.dump();
  }
  void pick(ControlId combo, int index) {
    auto* box = widgetOf<QComboBox>(combo);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
  }
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
  }
};

// The control of the form holding the focus.
ControlId focusedControl(const FormWidget& form) {
  for (const LayoutEntry& entry : formLayout())
    if (QWidget* w = form.widgetFor(entry.id); w && (w == QApplication::focusWidget() || w->isAncestorOf(QApplication::focusWidget())))
      return entry.id;
  return ControlId::None;
}

// A demon with race pairs but none chosen, and the demons of a race listed
// with none picked: a list that made its first row current on focus would run
// a choice here.
TEST_F(KeyboardTest, TabbingThroughTheWholeFormChangesNothing) {
  const std::vector<std::function<void()>> setUps{
      [&] { pick(ControlId::RaceOrderCombo, 2); },
      [&] { pick(ControlId::RaceCombo, 3); },
  };
  for (size_t s = 0; s < setUps.size(); ++s) {
    setUps[s]();
    widgetOf<QComboBox>(ControlId::RaceOrderCombo)->setFocus(Qt::TabFocusReason);
    const std::string before = snapshot();
    std::set<ControlId> reached;
    for (int step = 0; step < 60; ++step) {
      press(Qt::Key_Tab);
      reached.insert(focusedControl(app.form()));
      ASSERT_EQ(snapshot(), before) << "set-up " << s << ", Tab into " << static_cast<int>(focusedControl(app.form()));
    }
    for (ControlId list : {ControlId::DemonList, ControlId::RacePairList, ControlId::MaterialPairView, ControlId::DetailSkills1})
      EXPECT_TRUE(reached.count(list)) << "set-up " << s << " never reached " << static_cast<int>(list);
  }
}

TEST_F(KeyboardTest, TabAndShiftTabLeaveTheMaterialPairTable) {
  pick(ControlId::RaceOrderCombo, 2);
  auto* table = widgetOf<QTableView>(ControlId::MaterialPairView);
  ASSERT_GT(table->model()->rowCount(), 1);
  for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
    table->setFocus(Qt::TabFocusReason);
    press(modifiers ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
    EXPECT_NE(focusedControl(app.form()), ControlId::MaterialPairView) << (modifiers ? "Shift+Tab" : "Tab");
  }
}

// The arrows move the current row of the material pairs without picking it;
// Space, Return and Enter pick the current row as a click on it does.
TEST_F(KeyboardTest, TheKeyboardPicksAMaterialPairAsAClickDoes) {
  pick(ControlId::RaceOrderCombo, 2);
  auto* table = widgetOf<QTableView>(ControlId::MaterialPairView);
  ASSERT_GT(table->model()->rowCount(), 3);
  const auto picked = [&] { return dumpState(app.view()).dump(); };
  for (const int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
    table->setFocus(Qt::TabFocusReason);
    const std::string before = picked();
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(picked(), before) << "the arrows picked a row";
    const int row = table->currentIndex().row();
    ASSERT_GE(row, 0);
    press(key);
    const std::string byKey = picked();
    EXPECT_NE(byKey, before) << "key " << key;
    EXPECT_EQ(app.view().working().pickedRow, row) << "key " << key;
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(picked(), byKey) << "a click on the same row picks otherwise";
    press(Qt::Key_Up);
  }
}

TEST_F(KeyboardTest, CtrlTabAndCtrlPageKeysSwitchTabsFromAnywhere) {
  for (int i = 0; i < 2; ++i) QTest::mouseClick(widgetOf<QPushButton>(ControlId::OpenDetailButton), Qt::LeftButton);
  ASSERT_EQ(tabRow()->count(), 3);
  widgetOf<QTableView>(ControlId::MaterialPairView)->setFocus(Qt::TabFocusReason);
  struct Step {
    int key;
    Qt::KeyboardModifiers modifiers;
    int tab;  // selected afterwards
  };
  const int start = app.view().form().tabs().selection();
  for (const Step& step : {Step{Qt::Key_Tab, Qt::ControlModifier, (start + 1) % 3},
                           Step{Qt::Key_PageDown, Qt::ControlModifier, (start + 2) % 3},
                           Step{Qt::Key_PageUp, Qt::ControlModifier, (start + 1) % 3},
                           Step{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, start}}) {
    press(step.key, step.modifiers);
    EXPECT_EQ(app.view().form().tabs().selection(), step.tab) << "key " << step.key;
    EXPECT_EQ(tabRow()->currentIndex(), step.tab) << "key " << step.key;
  }
}

TEST_F(KeyboardTest, TheWheelTurnsOnlyAFocusedComboBox) {
  auto* box = widgetOf<QComboBox>(ControlId::RaceOrderCombo);
  auto turn = [box] {
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
  };
  widgetOf<QTableView>(ControlId::MaterialPairView)->setFocus();
  const std::string before = snapshot();
  turn();
  EXPECT_EQ(snapshot(), before);
  box->setFocus();
  turn();
  EXPECT_EQ(box->currentIndex(), 1);
}

// The list of a combo box is made when it first drops down, and then holds its items.
TEST_F(KeyboardTest, AComboBoxDropsDownItsItems) {
  auto* box = widgetOf<QComboBox>(ControlId::RaceOrderCombo);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_F4);
  ASSERT_TRUE(box->view()->isVisible());
  EXPECT_GT(box->count(), 1);
  EXPECT_EQ(box->view()->model()->rowCount(), box->count());
  box->hidePopup();
}

// Every control the keyboard reaches, and the named decorations, tell a
// screen reader what they are, each in words of its own.
TEST_F(KeyboardTest, EveryFocusableControlHasANameOfItsOwn) {
  std::map<QString, QString> owners;
  for (QWidget* w : app.frame().findChildren<QWidget*>()) {
    const bool named = (w->focusPolicy() & Qt::TabFocus) || w->inherits("qmoor::UpDownWidget") ||
                       w->accessibleName().contains("アイコン");
    if (!named || !w->isVisibleTo(&app.frame()) || w->focusProxy()) continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(face, nullptr);
    const QString name = face->text(QAccessible::Name);
    EXPECT_FALSE(name.isEmpty()) << w->metaObject()->className() << " at " << w->x() << "," << w->y();
    if (name.isEmpty()) continue;
    const auto [where, fresh] = owners.emplace(name, w->metaObject()->className());
    EXPECT_TRUE(fresh) << name.toStdString() << " names two controls";
  }
  // Drawn from group box and caption, and the frame of the tab row.
  for (const auto& [id, name] : {std::pair{ControlId::Skill1KindCombo, "スキル指定 1 種別順"},
                                 std::pair{ControlId::RequiredLowEdit, "必要な合計レベル 下限"},
                                 std::pair{ControlId::TabBar, "タブ"}}) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(app.form().widgetFor(id));
    EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(name));
  }
}

// Qt's own tab bar reads as its current tab's label and never marks a tab
// selected; the up-down is a bare container to Qt.
TEST_F(KeyboardTest, TheTabRowAndTheUpDownReadAsWhatTheyAre) {
  for (int i = 0; i < 2; ++i) QTest::mouseClick(widgetOf<QPushButton>(ControlId::OpenDetailButton), Qt::LeftButton);
  QAccessibleInterface* row = QAccessible::queryAccessibleInterface(tabRow());
  EXPECT_EQ(row->role(), QAccessible::PageTabList);
  EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("タブ"));
  ASSERT_EQ(row->childCount(), 3);
  auto expectCurrent = [&](int current, bool focused) {
    for (int i = 0; i < row->childCount(); ++i) {
      QAccessibleInterface* tab = row->child(i);
      EXPECT_EQ(tab->role(), QAccessible::PageTab);
      EXPECT_EQ(row->indexOfChild(tab), i);
      EXPECT_EQ(tab->text(QAccessible::Name), tabRow()->tabText(i));
      EXPECT_EQ(tab->state().selected, i == current) << "tab " << i;
      EXPECT_EQ(tab->state().focused, focused && i == current) << "tab " << i;
    }
  };
  widgetOf<QTableView>(ControlId::MaterialPairView)->setFocus(Qt::TabFocusReason);
  press(Qt::Key_Tab, Qt::ControlModifier);
  expectCurrent(tabRow()->currentIndex(), false);
  tabRow()->setFocus(Qt::TabFocusReason);
  expectCurrent(tabRow()->currentIndex(), true);

  QAccessibleInterface* upDown = QAccessible::queryAccessibleInterface(app.form().widgetFor(ControlId::LimitSpin));
  EXPECT_EQ(upDown->role(), QAccessible::SpinBox);
  EXPECT_EQ(upDown->text(QAccessible::Value), widgetOf<QLineEdit>(ControlId::LimitEdit)->text());
  EXPECT_FALSE(upDown->text(QAccessible::Value).isEmpty());
}

// A free skill slot is an empty line on screen and "blank" to a screen reader.
TEST_F(KeyboardTest, AnEmptyLineReadsAsBlank) {
  auto* skillSlots = qobject_cast<QListWidget*>(app.form().widgetFor(ControlId::DetailSkills1));
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(skillSlots);
  int blanks = 0;
  for (int i = 0; i < list->childCount(); ++i) {
    const QString said = list->child(i)->text(QAccessible::Name);
    EXPECT_FALSE(said.isEmpty()) << "line " << i;
    blanks += said == QStringLiteral("空欄") ? 1 : 0;
  }
  EXPECT_GT(blanks, 0);
}

TEST_F(KeyboardTest, TheLongestListingShowsAVerticalScrollBar) {
  widgetOf<QCheckBox>(ControlId::CurseCheck)->click();
  pick(ControlId::RaceOrderCombo, raceOrderIndexOf({19, 1}));  // レギオン
  auto* table = widgetOf<QTableView>(ControlId::MaterialPairView);
  ASSERT_EQ(table->model()->rowCount(), 1590);
  QApplication::processEvents();
  EXPECT_TRUE(table->verticalScrollBar()->isVisible());
}

}  // namespace
}  // namespace qmoor
