// Widgets mirroring the control models: what operations set from code shows
// once the dirty widgets are synced, and no notification is raised by it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>

#include "app/list_view_model.h"
#include "app/widget_factory.h"
#include "form_fixture.h"

namespace qmoor {
namespace {

using FormSyncTest = FormFixture;

QStringList itemsOf(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

TEST_F(FormSyncTest, ComboItemsSelectionAndTextFollowTheModel) {
  ComboBox& races = form.combo(ControlId::RaceCombo);
  for (const char* race : {"魔神", "破壊神", "地母神"}) races.append(race);
  races.setSelection(2);
  auto* box = widgetOf<QComboBox>(ControlId::RaceCombo);
  EXPECT_EQ(box->count(), 0) << "widgets change when synced, not before";
  widget.syncDirty();
  EXPECT_EQ(itemsOf(*box), (QStringList{"魔神", "破壊神", "地母神"}));
  EXPECT_EQ(box->currentIndex(), 2);
  EXPECT_EQ(box->currentText(), QStringLiteral("地母神"));

  races.setText("typed");
  widget.syncDirty();
  EXPECT_EQ(box->currentText(), "typed");

  races.clear();
  races.append("only");
  widget.syncDirty();
  EXPECT_EQ(itemsOf(*box), QStringList{"only"});
  EXPECT_EQ(box->currentIndex(), -1) << "a refilled combo box selects nothing until told";
  EXPECT_EQ(box->currentText(), "");
  EXPECT_TRUE(heard.empty());
}

TEST_F(FormSyncTest, ListItemsAndSelectionFollowTheModel) {
  ListBox& demons = form.list(ControlId::DemonList);
  for (const char* demon : {"a", "b", "c", "d"}) demons.append(demon);
  demons.setSelection(3);
  widget.syncDirty();
  auto* list = widgetOf<QListWidget>(ControlId::DemonList);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(3)->text(), "d");
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_TRUE(list->item(3)->isSelected());
  demons.setSelection(-1);
  widget.syncDirty();
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_TRUE(heard.empty());
}

TEST_F(FormSyncTest, ChecksEditsTabsAndEnabledStatesFollowTheModel) {
  form.check(ControlId::CurseCheck).setChecked(true);
  form.edit(ControlId::DetailNameEdit).setText("ヴィシュヌ");
  form.tabs().insertItem(0, "");
  form.tabs().insertItem(1, "b");
  form.tabs().setLabel(0, "a");
  form.tabs().setSelection(1);
  form.control(ControlId::CloseTabButton).setEnabled(false);
  widget.syncDirty();
  EXPECT_TRUE(widgetOf<QCheckBox>(ControlId::CurseCheck)->isChecked());
  EXPECT_EQ(widgetOf<QLineEdit>(ControlId::DetailNameEdit)->text(), QStringLiteral("ヴィシュヌ"));
  QTabBar* row = tabRowOf(widget.widgetFor(ControlId::TabBar));
  ASSERT_EQ(row->count(), 2);
  EXPECT_EQ(row->tabText(0), "a");
  EXPECT_EQ(row->currentIndex(), 1);
  EXPECT_FALSE(widgetOf<QPushButton>(ControlId::CloseTabButton)->isEnabled());

  form.tabs().deleteItem(0);
  form.control(ControlId::CloseTabButton).setEnabled(true);
  widget.syncDirty();
  ASSERT_EQ(row->count(), 1);
  EXPECT_EQ(row->tabText(0), "b");
  EXPECT_TRUE(widgetOf<QPushButton>(ControlId::CloseTabButton)->isEnabled());
  EXPECT_TRUE(heard.empty());
}

class ListViewSyncTest : public FormFixture {
 protected:
  ListView& pairs = form.listView(ControlId::MaterialPairView);
  QTableView* table = nullptr;
  void SetUp() override {
    FormFixture::SetUp();
    pairs.insertColumn("素材悪魔1", 120);
    pairs.insertColumn("素材悪魔2", 90);
    pairs.setFullRowSelect(true);
    fill("", 200);
    table = widgetOf<QTableView>(ControlId::MaterialPairView);
  }
  void fill(const std::string& tag, int rows) {
    pairs.clear();
    for (int r = 0; r < rows; ++r) pairs.appendRow(tag + "a" + std::to_string(r), tag + "b" + std::to_string(r));
    widget.syncDirty();
  }
};

TEST_F(ListViewSyncTest, TheTableShowsTheModelsColumnsRowsAndSelection) {
  QAbstractItemModel* shown = table->model();
  ASSERT_EQ(shown->rowCount(), 200);
  EXPECT_EQ(shown->headerData(1, Qt::Horizontal).toString(), QStringLiteral("素材悪魔2"));
  EXPECT_EQ(table->horizontalHeader()->sectionSize(0), 120);
  EXPECT_EQ(table->horizontalHeader()->sectionSize(1), 90);
  EXPECT_EQ(shown->index(150, 1).data().toString(), "b150");

  pairs.setSelectedRow(7);
  pairs.setFocusedRow(7);
  widget.syncDirty();
  EXPECT_EQ(table->selectionModel()->selectedRows(), QModelIndexList{shown->index(7, 0)});
  EXPECT_EQ(table->currentIndex().row(), 7);
  EXPECT_EQ(table->horizontalHeader()->sectionSize(0), 120) << "column widths survive the reset";
  EXPECT_TRUE(heard.empty());
}

TEST_F(ListViewSyncTest, ANewSelectionKeepsTheRowsInPlaceWhileNewRowsStartAtTheTop) {
  table->verticalScrollBar()->setValue(100);
  pairs.setSelectedRow(110);
  widget.syncDirty();
  QApplication::processEvents();
  EXPECT_EQ(table->verticalScrollBar()->value(), 100);
  fill("new ", 150);
  QApplication::processEvents();
  EXPECT_EQ(table->model()->rowCount(), 150);
  EXPECT_EQ(table->verticalScrollBar()->value(), 0);
  EXPECT_EQ(table->model()->index(0, 0).data().toString(), "new a0");
}

}  // namespace
}  // namespace qmoor
