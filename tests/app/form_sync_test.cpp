// Widgets mirroring the control models: what operations set from code shows
// once the dirty widgets are synced, and the sync raises no notification.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>

#include "form_fixture.h"
#include "support/text_rows.h"

namespace qmoor {
namespace {

using FormSyncTest = FormFixture;

TEST_F(FormSyncTest, CombosListsChecksTabsAndEnabledStatesFollowTheModels) {
  ComboBox& races = form.combo(ControlId::RaceCombo);
  for (const char* race : {"魔神", "破壊神", "地母神"}) races.append(race);
  races.setSelection(2);
  form.list(ControlId::DemonList).append("ヴィシュヌ");
  form.list(ControlId::DemonList).setSelection(0);
  form.check(ControlId::CurseCheck).setChecked(true);
  form.tabs().insertItem(0, "a");
  form.tabs().insertItem(1, "b");
  form.tabs().setSelection(1);
  form.control(ControlId::CloseTabButton).setEnabled(false);
  auto* box = widgetOf<QComboBox>(ControlId::RaceCombo);
  EXPECT_EQ(box->count(), 0) << "widgets change when synced, not before";
  widget.syncDirty();
  EXPECT_EQ(box->count(), 3);
  EXPECT_EQ(box->currentIndex(), 2);
  EXPECT_EQ(box->currentText(), QStringLiteral("地母神"));
  EXPECT_EQ(widgetOf<QListWidget>(ControlId::DemonList)->currentRow(), 0);
  EXPECT_TRUE(widgetOf<QCheckBox>(ControlId::CurseCheck)->isChecked());
  QTabBar* row = widget.widgetFor(ControlId::TabBar)->findChild<QTabBar*>();
  EXPECT_EQ(row->count(), 2);
  EXPECT_EQ(row->currentIndex(), 1);
  EXPECT_FALSE(widgetOf<QPushButton>(ControlId::CloseTabButton)->isEnabled());

  races.clear();
  races.append("only");
  races.setText("typed");
  form.tabs().deleteItem(0);
  widget.syncDirty();
  EXPECT_EQ(box->count(), 1);
  EXPECT_EQ(box->currentIndex(), -1) << "a refilled combo box selects nothing until told";
  EXPECT_EQ(box->currentText(), "typed");
  EXPECT_EQ(row->count(), 1);
  EXPECT_EQ(row->tabText(0), "b");
  EXPECT_TRUE(heard.empty());
}

TEST_F(FormSyncTest, TheTableShowsTheListViewKeepingItsPlaceForTheSameRows) {
  ListView& pairs = form.listView(ControlId::MaterialPairView);
  pairs.insertColumn("素材悪魔1", 120);
  pairs.insertColumn("素材悪魔2", 90);
  pairs.setFullRowSelect(true);
  testing::TextRows shown;
  auto fill = [&](int rows) {
    shown = testing::numberedRows(rows);
    pairs.showRows(shown);
  };
  fill(200);
  widget.syncDirty();
  auto* table = widgetOf<QTableView>(ControlId::MaterialPairView);
  EXPECT_EQ(table->model()->rowCount(), 200);
  EXPECT_EQ(table->horizontalHeader()->sectionSize(1), 90);

  table->verticalScrollBar()->setValue(100);
  pairs.setSelectedRow(110);
  pairs.setFocusedRow(110);
  widget.syncDirty();
  QApplication::processEvents();
  EXPECT_EQ(table->selectionModel()->selectedRows(), QModelIndexList{table->model()->index(110, 0)});
  EXPECT_EQ(table->currentIndex().row(), 110);
  EXPECT_EQ(table->horizontalHeader()->sectionSize(1), 90) << "column widths survive the reset";
  EXPECT_EQ(table->verticalScrollBar()->value(), 100);

  fill(150);
  widget.syncDirty();
  QApplication::processEvents();
  EXPECT_EQ(table->verticalScrollBar()->value(), 0) << "new rows start at the top";
  EXPECT_TRUE(table->selectionModel()->selectedRows().isEmpty());
  EXPECT_TRUE(heard.empty());
}

}  // namespace
}  // namespace qmoor
