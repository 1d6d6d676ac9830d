// Control models: the platform semantics the operations rely on.
#include "form/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/text_rows.h"

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

// A list view with two columns showing rows ("a0", "b0"), ("a1", "b1"), ...
class ListViewModel : public ::testing::Test {
 protected:
  void fillRows(int rows) {
    view.insertColumn("素材悪魔1", 120);
    view.insertColumn("素材悪魔2", 100);
    held = testing::numberedRows(rows);
    view.showRows(held);
  }
  void markAll(int row) {
    view.setSelectedRow(row);
    view.setFocusedRow(row);
    view.setHotRow(row);
  }
  std::vector<int> marks() const { return {view.selectedRow(), view.focusedRow(), view.hotRow()}; }
  testing::TextRows held;
  ListView view{ControlId::MaterialPairView};
};

TEST_F(ListViewModel, RowsAndCells) {
  fillRows(2);
  EXPECT_EQ(std::pair(view.columns()[1].header, view.columns()[1].width), std::pair(std::string("素材悪魔2"), 100));
  Texts cells;
  for (int r = 0; r < view.rowCount(); ++r) cells.push_back(view.cell(r, 0) + "|" + view.cell(r, 1));
  EXPECT_EQ(cells, (Texts{"a0|b0", "a1|b1"}));
  EXPECT_THROW(view.cell(0, 2), std::out_of_range);
  EXPECT_THROW(view.cell(1, -1), std::out_of_range);
  EXPECT_THROW(view.cell(2, 0), std::out_of_range);
  EXPECT_THROW(view.insertColumn("late", 10), std::logic_error);
  // A list without columns shows the first cell of each row.
  ListView single(ControlId::StatsView);
  testing::TextRows only;
  only.rows = {{"only", "dropped"}};
  single.showRows(only);
  EXPECT_EQ(single.cell(0, 0), "only");
  EXPECT_EQ(single.rowCount(), 1);
  EXPECT_THROW(single.cell(0, 1), std::out_of_range);
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

// Rows appended by their owner, or the same rows told anew, keep every mark on the row it marked.
TEST_F(ListViewModel, MarksStayOnTheirRowsWhenRowsAreAppendedOrToldAnew) {
  fillRows(4);
  markAll(2);
  held.rows.push_back({"a4", "b4"});
  view.rowsAppended();
  EXPECT_EQ(std::pair(marks(), view.rowCount()), std::pair(std::vector<int>(3, 2), 5));
  held.rows[2][0] = "retold";
  view.rowTextsChanged();
  EXPECT_EQ(std::pair(marks(), view.cell(2, 0)), std::pair(std::vector<int>(3, 2), std::string("retold")));
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
  NumberRows numbers;
  numbers.numbers = {7};
  ChangeCounter counter;
  view.setObserver(&counter);
  view.showRows(numbers);  // a new listing: the marks are gone
  EXPECT_EQ(marks(), (std::vector<int>{-1, -1, -1}));
  EXPECT_EQ(std::pair(view.rowCount(), numbers.made), std::pair(1, 0));
  numbers.numbers.push_back(8);
  view.rowsAppended();
  markAll(1);
  EXPECT_EQ(view.cell(1, 1), "8b");
  EXPECT_EQ(numbers.made, 1);
  EXPECT_THROW(view.cell(2, 0), std::out_of_range);
  EXPECT_THROW(view.cell(0, 2), std::out_of_range);
  EXPECT_EQ(std::pair(view.rowCount(), view.selectedRow()), std::pair(2, 1));
  view.clear();  // no rows until the next listing
  EXPECT_EQ(view.rowCount(), 0);
  EXPECT_THROW(view.cell(0, 0), std::out_of_range);
  EXPECT_EQ(counter.changes, 6);  // show, append, three marks, clear
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
}

// Tabs t0..t3 with t2 selected; deleting t2 itself selects the tab that takes its place.
TEST(TabControlModel, DeletingKeepsTheSelectedTab) {
  using Case = std::pair<int, const char*>;  // deleted tab, selected label afterwards
  for (const auto& [deleted, label] : {Case{0, "t2"}, Case{1, "t2"}, Case{3, "t2"}, Case{2, "t3"}, Case{7, "t2"},
                                       Case{-1, "t2"}}) {
    TabControl tabs(ControlId::TabBar);
    for (int i = 0; i < 4; ++i) tabs.insertItem(i, std::string("t").append(std::to_string(i)));
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
