// Control models: the platform semantics the operations rely on.
#include "form/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace qmoor {
namespace {

using Texts = std::vector<std::string>;

void fill(ListBox& list, const Texts& items) {
  for (const std::string& item : items) list.append(item);
}

TEST(ListBoxModel, AppendsInOrderAndSelectionsOutsideTheItemsBecomeNone) {
  ListBox list(ControlId::DemonList);
  list.setSelection(0);
  EXPECT_EQ(list.selection(), -1);
  fill(list, {"b", "a", "c"});
  EXPECT_EQ(list.items(), (Texts{"b", "a", "c"}));
  for (int outside : {3, -1, -2}) {
    list.setSelection(1);
    list.setSelection(outside);
    EXPECT_EQ(list.selection(), -1) << outside;
  }
  list.setSelection(2);
  list.clear();
  EXPECT_EQ(std::pair(list.count(), list.selection()), std::pair(0, -1));
}

// Records, at each report, the combo's selection and text.
struct ComboRecorder : ControlObserver {
  const ComboBox* combo = nullptr;
  Texts seen;
  void controlChanged(ControlId) override { seen.push_back(std::to_string(combo->selection()) + ":" + combo->text()); }
};

TEST(ComboBoxModel, SelectionShowsItsTextAndEveryChangeIsReportedOnceWhenComplete) {
  ComboBox combo(ControlId::RaceCombo);
  fill(combo, {"魔神", "女神"});
  ComboRecorder recorder;
  recorder.combo = &combo;
  combo.setObserver(&recorder);
  combo.setSelection(1);             // the item's text
  combo.setSelection(-1);            // none: no text
  combo.setSelection(0);
  combo.setSelection(2);             // outside the items: none
  combo.setSelection(0);
  combo.setText("所持悪魔 ： 3体");  // the text field alone
  combo.clear();                     // emptied: no items, no selection, no text
  EXPECT_EQ(recorder.seen, (Texts{"1:女神", "-1:", "0:魔神", "-1:", "0:魔神", "0:所持悪魔 ： 3体", "-1:"}));
  EXPECT_EQ(combo.count(), 0);
}

// A list view with two columns and rows ("a0", "b0"), ("a1", "b1"), ...
class ListViewModel : public ::testing::Test {
 protected:
  void fillRows(int rows) {
    view.insertColumn("素材悪魔1", 120);
    view.insertColumn("素材悪魔2", 100);
    for (int r = 0; r < rows; ++r) view.appendRow("a" + std::to_string(r), "b" + std::to_string(r));
  }
  void markAll(int row) {
    view.setSelectedRow(row);
    view.setFocusedRow(row);
    view.setHotRow(row);
  }
  std::vector<int> marks() const { return {view.selectedRow(), view.focusedRow(), view.hotRow()}; }
  ListView view{ControlId::MaterialPairView};
};

TEST_F(ListViewModel, RowsAndCells) {
  fillRows(2);
  EXPECT_EQ(std::pair(view.columns()[1].header, view.columns()[1].width), std::pair(std::string("素材悪魔2"), 100));
  EXPECT_EQ(view.insertRow(1, "mid"), 1);
  EXPECT_EQ(view.insertRow(99, "end"), 3);
  EXPECT_EQ(view.insertRow(-5, "top"), 0);
  view.setCell(0, 1, "top2");
  view.setCell(9, 0, "ignored");
  view.setCell(0, 2, "ignored");
  Texts cells;
  for (int r = 0; r < view.rowCount(); ++r) cells.push_back(view.cell(r, 0) + "|" + view.cell(r, 1));
  EXPECT_EQ(cells, (Texts{"top|top2", "a0|b0", "mid|", "a1|b1", "end|"}));
  EXPECT_THROW(view.cell(0, 2), std::out_of_range);
  EXPECT_THROW(view.cell(1, -1), std::out_of_range);
  EXPECT_THROW(view.cell(5, 0), std::out_of_range);
  EXPECT_THROW(view.insertColumn("late", 10), std::logic_error);
  ListView single(ControlId::StatsView);
  single.appendRow("only", "dropped");
  EXPECT_EQ(single.cell(0, 0), "only");
  EXPECT_EQ(single.rowCount(), 1);
}

TEST_F(ListViewModel, MarksOutsideTheRowsBecomeNoneAndClearDropsRowsAndMarks) {
  fillRows(3);
  for (int outside : {3, -1, -4}) {
    markAll(1);
    markAll(outside);
    EXPECT_EQ(marks(), (std::vector<int>{-1, -1, -1})) << outside;
  }
  markAll(2);
  view.setFullRowSelect(true);
  view.clear();
  EXPECT_EQ(marks(), (std::vector<int>{-1, -1, -1}));
  EXPECT_EQ(view.rowCount(), 0);
  EXPECT_EQ(view.columns().size(), 2u);
  EXPECT_TRUE(view.fullRowSelect());
}

// Deleting or inserting a row keeps every mark on the row it marked; a deleted row's mark is gone.
TEST_F(ListViewModel, MarksFollowTheirRows) {
  struct Case { bool insert; int row; int expected; };
  for (const Case c : {Case{false, 0, 1}, Case{false, 2, -1}, Case{false, 3, 2}, Case{false, 9, 2}, Case{true, 0, 3},
                       Case{true, 2, 3}, Case{true, 3, 2}, Case{true, 4, 2}}) {
    view.clear();
    for (int r = 0; r < 4; ++r) view.appendRow("a" + std::to_string(r), "");
    markAll(2);
    if (c.insert) view.insertRow(c.row, "new");
    else view.deleteRow(c.row);
    EXPECT_EQ(marks(), (std::vector<int>(3, c.expected))) << c.insert << " " << c.row;
    if (c.expected >= 0) {
      EXPECT_EQ(view.cell(c.expected, 0), "a2") << c.insert << " " << c.row;
    }
  }
}

// Rows held by their owner: numbers whose cells are made, and counted, when asked for.
struct NumberRows : ListRows {
  std::vector<int> numbers;
  mutable int made = 0;
  int count() const override { return static_cast<int>(numbers.size()); }
  std::string cell(int row, int column) const override {
    ++made;
    return std::to_string(numbers[static_cast<size_t>(row)]) + (column == 0 ? "a" : "b");
  }
};

struct ChangeCounter : ControlObserver {
  int changes = 0;
  void controlChanged(ControlId) override { ++changes; }
};

TEST_F(ListViewModel, HeldRowsAreReadWhenAskedAndLetGoByClear) {
  fillRows(3);
  markAll(1);
  NumberRows held;
  held.numbers = {7};
  ChangeCounter counter;
  view.setObserver(&counter);
  view.showRows(held);  // a new listing: the texts and the marks are gone
  EXPECT_EQ(marks(), (std::vector<int>{-1, -1, -1}));
  EXPECT_EQ(std::pair(view.rowCount(), held.made), std::pair(1, 0));
  held.numbers.push_back(8);
  view.rowsAppended();
  markAll(1);
  EXPECT_EQ(view.cell(1, 1), "8b");
  EXPECT_EQ(held.made, 1);
  EXPECT_THROW(view.cell(2, 0), std::out_of_range);
  EXPECT_THROW(view.cell(0, 2), std::out_of_range);
  EXPECT_THROW(view.appendRow("x", "y"), std::logic_error);
  EXPECT_THROW(view.deleteRow(0), std::logic_error);
  EXPECT_EQ(std::pair(view.rowCount(), view.selectedRow()), std::pair(2, 1));
  view.clear();  // back to texts of its own
  view.appendRow("x", "y");
  EXPECT_EQ(view.cell(0, 0) + view.cell(0, 1), "xy");
  EXPECT_EQ(counter.changes, 7);  // show, append, three marks, clear, text row
}

TEST(TabControlModel, InsertingKeepsTheSelectedTabAndIndexesOutsideTheItemsAreIgnored) {
  TabControl tabs(ControlId::TabBar);
  tabs.insertItem(0, "");
  EXPECT_EQ(tabs.selection(), 0);
  int added = 0;
  for (int at : {0, 1, 0, 99}) {
    tabs.insertItem(at, "i" + std::to_string(added++));
    EXPECT_EQ(tabs.label(tabs.selection()), "") << at;
  }
  for (int outside : {5, -1}) {
    tabs.setSelection(outside);
    tabs.setLabel(outside, "x");
  }
  tabs.setLabel(3, "ヴィシュヌ");
  EXPECT_EQ(tabs.selection(), 3);
  EXPECT_EQ(tabs.labels(), (Texts{"i2", "i0", "i1", "ヴィシュヌ", "i3"}));
  tabs.deleteAll();
  EXPECT_EQ(std::pair(tabs.count(), tabs.selection()), std::pair(0, -1));
}

// Tabs t0..t3 with t2 selected; deleting t2 itself selects the tab that takes its place.
TEST(TabControlModel, DeletingKeepsTheSelectedTab) {
  using Case = std::pair<int, const char*>;  // deleted tab, selected label afterwards
  for (const auto& [deleted, label] : {Case{0, "t2"}, Case{1, "t2"}, Case{3, "t2"}, Case{2, "t3"}, Case{7, "t2"},
                                       Case{-1, "t2"}}) {
    TabControl tabs(ControlId::TabBar);
    for (int i = 0; i < 4; ++i) tabs.insertItem(i, "t" + std::to_string(i));
    tabs.setSelection(2);
    tabs.deleteItem(deleted);
    EXPECT_EQ(tabs.label(tabs.selection()), label) << deleted;
  }
  TabControl tabs(ControlId::TabBar);
  tabs.insertItem(0, "t0");
  tabs.insertItem(1, "t1");
  tabs.setSelection(1);
  tabs.deleteItem(1);
  EXPECT_EQ(tabs.selection(), 0);
  tabs.deleteItem(0);
  EXPECT_EQ(tabs.selection(), -1);
}

TEST(EditModel, EveryTextChangeCallsTheHandlerEvenWithTheSameText) {
  Edit edit(ControlId::LimitEdit);
  Texts heard;
  edit.setChangeHandler([&] { heard.push_back(edit.text()); });
  edit.setText("50");
  edit.setText("50");
  edit.setText("");
  EXPECT_EQ(heard, (Texts{"50", "50", ""}));
}

// Up-down control 1023 with its buddy edit 1019, range 0..99 as the form uses it.
class UpDownModel : public ::testing::Test {
 protected:
  void SetUp() override {
    spin.setBuddy(&buddy);
    spin.setRange(0, 99);
    buddy.setChangeHandler([this] { heard.push_back(buddy.text()); });
  }
  Edit buddy{ControlId::LimitEdit};
  UpDown spin{ControlId::LimitSpin};
  Texts heard;
};

TEST_F(UpDownModel, PositionIsClampedAndWrittenIntoTheBuddyAsDecimalText) {
  for (int position : {50, 120, -3}) spin.setPosition(position);
  EXPECT_EQ(heard, (Texts{"50", "99", "0"}));
  EXPECT_EQ(spin.position(), 0);
}

TEST_F(UpDownModel, ArrowsStepAndWrapAtTheEnds) {
  struct Case { int from; bool up; int to; };
  for (const Case c : {Case{50, true, 51}, Case{98, true, 99}, Case{99, true, 0}, Case{50, false, 49},
                       Case{1, false, 0}, Case{0, false, 99}}) {
    spin.setPosition(c.from);
    heard.clear();
    c.up ? spin.stepUp() : spin.stepDown();
    EXPECT_EQ(spin.position(), c.to) << c.from << (c.up ? " up" : " down");
    EXPECT_EQ(heard, Texts{std::to_string(c.to)}) << c.from << (c.up ? " up" : " down");
  }
}

// The own position is 50; only a plain decimal number within the range typed into the buddy replaces it.
TEST_F(UpDownModel, TypedNumberInRangeIsThePosition) {
  using Case = std::pair<const char*, int>;  // typed text, position
  for (const auto& [typed, position] : {Case{"70", 70}, Case{"07", 7}, Case{"0", 0}, Case{"99", 99}, Case{"100", 50},
                                        Case{"-1", 50}, Case{"abc", 50}, Case{"7a", 50}, Case{"", 50},
                                        Case{"99999999999", 50}}) {
    spin.setPosition(50);
    buddy.setText(typed);
    EXPECT_EQ(spin.position(), position) << typed;
    spin.stepUp();
    EXPECT_EQ(buddy.text(), std::to_string((position + 1) % 100)) << typed;
  }
}

}  // namespace
}  // namespace qmoor
