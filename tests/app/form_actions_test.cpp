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

#include "app/list_view_model.h"
#include "app/up_down_widget.h"
#include "app/widget_factory.h"
#include "form_fixture.h"

namespace qmoor {
namespace {

using FormActionsTest = FormFixture;
using N = Notification;

TEST_F(FormActionsTest, AButtonClickReachesTheViewUnlessTheButtonIsDisabled) {
  auto* button = widgetOf<QPushButton>(ControlId::OpenDetailButton);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::OpenDetailButton, N::Click}}));

  heard.clear();
  form.control(ControlId::OpenDetailButton).setEnabled(false);
  widget.syncDirty();
  EXPECT_FALSE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(heard.empty());
}

TEST_F(FormActionsTest, ACheckBoxIsToggledInItsModelBeforeTheViewHearsTheClick) {
  bool checkedWhenHeard = false;
  whenHeard = [&](const Heard&) { checkedWhenHeard = form.check(ControlId::NeutralCheck).checked(); };
  auto* box = widgetOf<QCheckBox>(ControlId::NeutralCheck);
  QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::NeutralCheck, N::Click}}));
  EXPECT_TRUE(checkedWhenHeard);
  EXPECT_TRUE(box->isChecked());

  // The view may undo the toggle; the widget follows the model.
  whenHeard = [&](const Heard&) { form.check(ControlId::NeutralCheck).setChecked(true); };
  QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
  EXPECT_TRUE(box->isChecked());
}

TEST_F(FormActionsTest, ACaptionClickReachesTheViewAndLeavesTheCheckBoxToIt) {
  QTest::mouseClick(widgetOf<QLabel>(ControlId::NeutralCaption), Qt::LeftButton);
  QTest::mouseClick(widgetOf<QLabel>(ControlId::ManualLimitCaptionBelow), Qt::LeftButton);
  auto* group = widgetOf<QGroupBox>(ControlId::Skill1Group);
  QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(3, group->height() - 3));
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::NeutralCaption, N::Click},
                                       {ControlId::ManualLimitCaptionBelow, N::Click},
                                       {ControlId::Skill1Group, N::Click}}));
  EXPECT_FALSE(form.check(ControlId::NeutralCheck).checked());
  EXPECT_FALSE(widgetOf<QCheckBox>(ControlId::NeutralCheck)->isChecked());
}

TEST_F(FormActionsTest, CaptionsWithoutTheNotifyStyleAndDoubleClicksAreNotExtraClicks) {
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i)
    if (layout[i].kind == ControlKind::Static && !layout[i].hasStyle("notify") && widget.widgetAt(i))
      QTest::mouseClick(widget.widgetAt(i), Qt::LeftButton);
  EXPECT_TRUE(heard.empty());
  QTest::mouseDClick(widgetOf<QLabel>(ControlId::CurseCaption), Qt::LeftButton);
  EXPECT_LE(heard.size(), 1u) << "a double click toggles once at most";
}

void fillCombo(Form& form, ControlId id, int items) {
  for (int i = 0; i < items; ++i) form.combo(id).append("item " + std::to_string(i));
}

TEST_F(FormActionsTest, PickingAComboItemSetsTheSelectionBeforeTheViewHearsIt) {
  fillCombo(form, ControlId::RaceOrderCombo, 5);
  form.combo(ControlId::RaceOrderCombo).setSelection(1);
  widget.syncDirty();
  int selectionWhenHeard = -2;
  whenHeard = [&](const Heard&) { selectionWhenHeard = form.combo(ControlId::RaceOrderCombo).selection(); };
  auto* box = widgetOf<QComboBox>(ControlId::RaceOrderCombo);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::RaceOrderCombo, N::SelectionChanged}}));
  EXPECT_EQ(selectionWhenHeard, 2);
  EXPECT_EQ(form.combo(ControlId::RaceOrderCombo).text(), "item 2");
}

TEST_F(FormActionsTest, PickingFromTheDroppedDownListReachesTheView) {
  fillCombo(form, ControlId::RaceCombo, 6);
  widget.syncDirty();
  auto* box = widgetOf<QComboBox>(ControlId::RaceCombo);
  box->showPopup();
  QAbstractItemView* list = box->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(4, 0)).center());
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::RaceCombo, N::SelectionChanged}}));
  EXPECT_EQ(form.combo(ControlId::RaceCombo).selection(), 4);
}

TEST_F(FormActionsTest, TypingIntoAComboSetsItsTextAndNeverPicksAnItem) {
  fillCombo(form, ControlId::MaterialRaceCombo, 3);
  form.combo(ControlId::MaterialRaceCombo).setSelection(0);
  widget.syncDirty();
  std::vector<std::string> textsWhenHeard;
  whenHeard = [&](const Heard&) { textsWhenHeard.push_back(form.combo(ControlId::MaterialRaceCombo).text()); };
  QLineEdit* field = widgetOf<QComboBox>(ControlId::MaterialRaceCombo)->lineEdit();
  ASSERT_NE(field, nullptr);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "item 2");
  QTest::keyClick(field, Qt::Key_Return);
  widgetOf<QPushButton>(ControlId::OpenDetailButton)->setFocus();
  ASSERT_EQ(heard.size(), 6u);
  for (const Heard& h : heard) EXPECT_EQ(h, (Heard{ControlId::MaterialRaceCombo, N::TextTyped}));
  EXPECT_EQ(textsWhenHeard.front(), "i");
  EXPECT_EQ(textsWhenHeard.back(), "item 2");
  EXPECT_EQ(form.combo(ControlId::MaterialRaceCombo).selection(), 0) << "the typed text of item 2 does not select it";
}

TEST_F(FormActionsTest, AListBoxReportsTheNewSelectionAndDoubleClicks) {
  for (const char* name : {"a", "b", "c"}) form.list(ControlId::DemonList).append(name);
  widget.syncDirty();
  int selectionWhenHeard = -2;
  whenHeard = [&](const Heard&) { selectionWhenHeard = form.list(ControlId::DemonList).selection(); };
  auto* list = widgetOf<QListWidget>(ControlId::DemonList);
  const QPoint second = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::DemonList, N::SelectionChanged}}));
  EXPECT_EQ(selectionWhenHeard, 1);
  heard.clear();
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::DemonList, N::DoubleClick}}));
}

class ListViewActionsTest : public FormFixture {
 protected:
  QTableView* table = nullptr;
  void SetUp() override {
    FormFixture::SetUp();
    ListView& pairs = form.listView(ControlId::MaterialPairView);
    pairs.insertColumn("素材悪魔1", 120);
    pairs.insertColumn("素材悪魔2", 120);
    pairs.setFullRowSelect(true);
    for (int r = 0; r < 4; ++r) pairs.appendRow("a" + std::to_string(r), "b" + std::to_string(r));
    widget.syncDirty();
    table = widgetOf<QTableView>(ControlId::MaterialPairView);
  }
  QPoint rowCentre(int row, int column = 1) const { return table->visualRect(table->model()->index(row, column)).center(); }
};

TEST_F(ListViewActionsTest, ARowClickSelectsTheRowThenTheViewHearsTheClick) {
  int rowWhenHeard = -2;
  whenHeard = [&](const Heard&) { rowWhenHeard = form.listView(ControlId::MaterialPairView).selectedRow(); };
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(2));
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::MaterialPairView, N::Click}}));
  EXPECT_EQ(rowWhenHeard, 2);
  EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(table->selectionModel()->selectedRows().first().row(), 2);
}

TEST_F(ListViewActionsTest, AClickOffAnyRowSelectsNone) {
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(1));
  heard.clear();
  const QPoint belowRows(5, table->viewport()->height() - 3);
  ASSERT_FALSE(table->indexAt(belowRows).isValid());
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, belowRows);
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::MaterialPairView, N::Click}}));
  EXPECT_EQ(form.listView(ControlId::MaterialPairView).selectedRow(), -1);
}

TEST_F(ListViewActionsTest, ADoubleClickIsOneClickThenTheDoubleClick) {
  // A user's double click: press, release, then a second press that arrives as the double click, and its release.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(3, 0));
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rowCentre(3, 0));
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::MaterialPairView, N::Click}, {ControlId::MaterialPairView, N::DoubleClick}}));
  EXPECT_EQ(form.listView(ControlId::MaterialPairView).selectedRow(), 3);
}

TEST_F(ListViewActionsTest, MovingTheSelectionWithTheKeyboardTellsOnlyTheModel) {
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(0));
  heard.clear();
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(form.listView(ControlId::MaterialPairView).selectedRow(), 1);
  EXPECT_EQ(form.listView(ControlId::MaterialPairView).focusedRow(), 1);
}

TEST_F(FormActionsTest, ATabClickTellsOfLeavingTheOldTabThenOfTheNewOne) {
  for (const char* label : {"ヴィシュヌ", "ハヌマーン", "アマテラス"}) form.tabs().insertItem(form.tabs().count(), label);
  form.tabs().setSelection(0);
  widget.syncDirty();
  std::vector<int> selectionWhenHeard;
  whenHeard = [&](const Heard&) { selectionWhenHeard.push_back(form.tabs().selection()); };
  QTabBar* row = tabRowOf(widget.widgetFor(ControlId::TabBar));
  ASSERT_EQ(row->count(), 3);
  EXPECT_EQ(row->tabText(1), QStringLiteral("ハヌマーン"));
  QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(2).center());
  EXPECT_EQ(heard, (std::vector<Heard>{{ControlId::TabBar, N::SelectionChanging}, {ControlId::TabBar, N::SelectionChanged}}));
  EXPECT_EQ(selectionWhenHeard, (std::vector<int>{0, 2}));
}

TEST_F(FormActionsTest, TheUpDownArrowsAndArrowKeysStepTheModelWhichWritesItsBuddy) {
  form.upDown().setRange(0, 99);
  form.upDown().setPosition(50);
  widget.syncDirty();
  auto* edit = widgetOf<QLineEdit>(ControlId::LimitEdit);
  auto* upDown = widgetOf<UpDownWidget>(ControlId::LimitSpin);
  EXPECT_EQ(edit->text(), "50");
  QTest::mouseClick(upDown->upArrow(), Qt::LeftButton);
  EXPECT_EQ(form.upDown().position(), 51);
  EXPECT_EQ(edit->text(), "51");
  QTest::mouseClick(upDown->downArrow(), Qt::LeftButton);
  QTest::mouseClick(upDown->downArrow(), Qt::LeftButton);
  EXPECT_EQ(edit->text(), "49");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(form.edit(ControlId::LimitEdit).text(), "50");
  EXPECT_EQ(edit->text(), "50");
  EXPECT_TRUE(heard.empty()) << "the buddy's change handler, not the widget, tells the view";
}

TEST_F(FormActionsTest, TypingIntoAnEditSetsTheModelTextWhichRaisesItsChangeHandler) {
  std::vector<std::string> handled;
  form.edit(ControlId::LimitEdit).setChangeHandler([&] { handled.push_back(form.edit(ControlId::LimitEdit).text()); });
  auto* edit = widgetOf<QLineEdit>(ControlId::LimitEdit);
  edit->setFocus();
  QTest::keyClicks(edit, "42");
  EXPECT_EQ(handled, (std::vector<std::string>{"4", "42"}));
  EXPECT_TRUE(heard.empty());
}

}  // namespace
}  // namespace qmoor
