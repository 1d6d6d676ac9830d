// The user's actions on real widgets: the control model takes the change
// first, then the view hears the notification; nothing else is heard.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>

#include "app/form_widget/up_down_widget.h"
#include "form_fixture.h"
#include "support/text_rows.h"

namespace qmoor {
namespace {

using FormActionsTest = FormFixture;
using N = Notification;
using Log = std::vector<Heard>;

TEST_F(FormActionsTest, ButtonsReachTheViewOnlyWhileEnabled) {
  auto* button = widgetOf<QPushButton>(ControlId::OpenDetailButton);
  QTest::mouseClick(button, Qt::LeftButton);
  form.control(ControlId::OpenDetailButton).setEnabled(false);
  widget.syncDirty();
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(heard, (Log{{ControlId::OpenDetailButton, N::Click}}));
}

TEST_F(FormActionsTest, ACheckBoxIsToggledInItsModelBeforeTheViewHearsTheClick) {
  std::vector<bool> checkedWhenHeard;
  whenHeard = [&](const Heard&) { checkedWhenHeard.push_back(form.check(ControlId::NeutralCheck).checked()); };
  auto* box = widgetOf<QCheckBox>(ControlId::NeutralCheck);
  QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
  EXPECT_EQ(heard, (Log{{ControlId::NeutralCheck, N::Click}}));
  EXPECT_EQ(checkedWhenHeard, std::vector<bool>{true});
  // The view may set the check back; the widget follows the model.
  whenHeard = [&](const Heard&) { form.check(ControlId::NeutralCheck).setChecked(true); };
  QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
  EXPECT_TRUE(box->isChecked());
}

TEST_F(FormActionsTest, CaptionAndGroupBoxClicksReachTheViewWhichTogglesTheCheckBox) {
  QTest::mouseClick(widgetOf<QLabel>(ControlId::NeutralCaption), Qt::LeftButton);
  auto* group = widgetOf<QGroupBox>(ControlId::Skill1Group);
  QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(3, group->height() - 3));
  QTest::mouseClick(widgetOf<QLabel>(ControlId::CurseCaption), Qt::LeftButton);
  QTest::mouseDClick(widgetOf<QLabel>(ControlId::CurseCaption), Qt::LeftButton);
  for (size_t i = 0; i < formLayout().size(); ++i)
    if (formLayout()[i].kind == ControlKind::Static && !formLayout()[i].hasStyle("notify"))
      QTest::mouseClick(widget.widgetAt(i), Qt::LeftButton);
  EXPECT_EQ(heard, (Log{{ControlId::NeutralCaption, N::Click}, {ControlId::Skill1Group, N::Click}, {ControlId::CurseCaption, N::Click}}))
      << "the release that ends a double click is no second click, and plain captions are silent";
  EXPECT_FALSE(form.check(ControlId::NeutralCheck).checked());
}

TEST_F(FormActionsTest, PickingAComboItemSetsTheSelectionBeforeTheViewHearsIt) {
  for (const char* item : {"a", "b", "c"}) form.combo(ControlId::RaceOrderCombo).append(item);
  form.combo(ControlId::RaceOrderCombo).setSelection(0);
  widget.syncDirty();
  int selectionWhenHeard = -2;
  whenHeard = [&](const Heard&) { selectionWhenHeard = form.combo(ControlId::RaceOrderCombo).selection(); };
  QTest::keyClick(widgetOf<QComboBox>(ControlId::RaceOrderCombo), Qt::Key_Down);
  EXPECT_EQ(heard, (Log{{ControlId::RaceOrderCombo, N::SelectionChanged}}));
  EXPECT_EQ(selectionWhenHeard, 1);
  EXPECT_EQ(form.combo(ControlId::RaceOrderCombo).text(), "b");
}

TEST_F(FormActionsTest, TypingIntoAComboSetsItsTextAndNeverPicksAnItem) {
  for (const char* item : {"a", "item 1"}) form.combo(ControlId::MaterialRaceCombo).append(item);
  form.combo(ControlId::MaterialRaceCombo).setSelection(0);
  widget.syncDirty();
  std::vector<std::string> textsWhenHeard;
  whenHeard = [&](const Heard&) { textsWhenHeard.push_back(form.combo(ControlId::MaterialRaceCombo).text()); };
  QLineEdit* field = widgetOf<QComboBox>(ControlId::MaterialRaceCombo)->lineEdit();
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "item 1");
  QTest::keyClick(field, Qt::Key_Return);
  widgetOf<QPushButton>(ControlId::OpenDetailButton)->setFocus();
  EXPECT_EQ(heard, Log(6, {ControlId::MaterialRaceCombo, N::TextTyped}));
  EXPECT_EQ(textsWhenHeard.front(), "i");
  EXPECT_EQ(textsWhenHeard.back(), "item 1");
  EXPECT_EQ(form.combo(ControlId::MaterialRaceCombo).selection(), 0) << "neither Enter nor leaving picks the typed item";
}

TEST_F(FormActionsTest, AListBoxReportsANewSelectionAndADoubleClick) {
  for (const char* name : {"a", "b", "c"}) form.list(ControlId::DemonList).append(name);
  widget.syncDirty();
  int selectionWhenHeard = -2;
  whenHeard = [&](const Heard&) { selectionWhenHeard = form.list(ControlId::DemonList).selection(); };
  auto* list = widgetOf<QListWidget>(ControlId::DemonList);
  const QPoint second = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(selectionWhenHeard, 1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(heard, (Log{{ControlId::DemonList, N::SelectionChanged}, {ControlId::DemonList, N::DoubleClick}}));
}

TEST_F(FormActionsTest, AListViewClickSelectsTheRowUnderTheMouseOrNoneThenTellsTheView) {
  ListView& pairs = form.listView(ControlId::MaterialPairView);
  pairs.insertColumn("素材悪魔1", 120);
  pairs.insertColumn("素材悪魔2", 120);
  pairs.setFullRowSelect(true);
  const testing::TextRows rows = testing::numberedRows(4);
  pairs.showRows(rows);
  widget.syncDirty();
  auto* table = widgetOf<QTableView>(ControlId::MaterialPairView);
  auto centre = [&](int row) { return table->visualRect(table->model()->index(row, 1)).center(); };
  std::vector<int> rowsWhenHeard;
  whenHeard = [&](const Heard&) { rowsWhenHeard.push_back(pairs.selectedRow()); };

  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre(2));
  QTest::keyClick(table, Qt::Key_Down);  // the keyboard tells only the model
  EXPECT_EQ(pairs.selectedRow(), 3);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(5, table->viewport()->height() - 3));
  // A user's double click: a click, then a second press arriving as the double click.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre(1));
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre(1));
  EXPECT_EQ(heard, (Log{{ControlId::MaterialPairView, N::Click}, {ControlId::MaterialPairView, N::Click},
                        {ControlId::MaterialPairView, N::Click}, {ControlId::MaterialPairView, N::DoubleClick}}));
  EXPECT_EQ(rowsWhenHeard, (std::vector<int>{2, -1, 1, 1}));
  EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1);
}

TEST_F(FormActionsTest, ATabClickTellsOfLeavingTheOldTabThenOfEnteringTheNewOne) {
  for (const char* label : {"ヴィシュヌ", "ミトラ", "オーディン"}) form.tabs().insertItem(form.tabs().count(), label);
  form.tabs().setSelection(0);
  widget.syncDirty();
  std::vector<int> selectionWhenHeard;
  whenHeard = [&](const Heard&) { selectionWhenHeard.push_back(form.tabs().selection()); };
  QTabBar* row = widget.widgetFor(ControlId::TabBar)->findChild<QTabBar*>();
  QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(2).center());
  EXPECT_EQ(heard, (Log{{ControlId::TabBar, N::SelectionChanging}, {ControlId::TabBar, N::SelectionChanged}}));
  EXPECT_EQ(selectionWhenHeard, (std::vector<int>{0, 2}));
  QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(2).center());
  EXPECT_EQ(heard.size(), 2u) << "a click on the tab already shown tells nothing";
}

TEST_F(FormActionsTest, UpDownArrowsKeysAndTypingChangeTheModelsWhoseEditTellsTheView) {
  std::vector<std::string> handled;
  form.edit(ControlId::LimitEdit).setChangeHandler([&] { handled.push_back(form.edit(ControlId::LimitEdit).text()); });
  form.upDown().setRange(0, 99);
  form.upDown().setPosition(50);
  widget.syncDirty();
  auto* edit = widgetOf<QLineEdit>(ControlId::LimitEdit);
  auto* upDown = widgetOf<UpDownWidget>(ControlId::LimitSpin);
  QTest::mouseClick(upDown->upArrow(), Qt::LeftButton);
  EXPECT_EQ(edit->text(), "51");
  QTest::mouseClick(upDown->downArrow(), Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_Down);
  EXPECT_EQ(edit->text(), "49");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(handled, (std::vector<std::string>{"50", "51", "50", "49", "7"}));
  EXPECT_TRUE(heard.empty()) << "the edit's change handler, not the widget, tells the view";
}

}  // namespace
}  // namespace qmoor
