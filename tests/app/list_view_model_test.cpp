// ListViewModel: the item model over a list view's control model, watched by
// QAbstractItemModelTester through fills, changes and clears.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "app/list_view_model.h"

namespace qmoor {
namespace {

class ListViewModelTest : public ::testing::Test {
 protected:
  ListView source{ControlId::MaterialPairView};
  ListViewModel model{source};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};

  void fill(int rows) {
    for (int r = 0; r < rows; ++r) source.appendRow("left " + std::to_string(r), "right " + std::to_string(r));
  }
  QString cell(int row, int column) const { return model.data(model.index(row, column)).toString(); }
};

TEST_F(ListViewModelTest, ShowsTheColumnsAndRowsOfTheControlAfterARefresh) {
  source.insertColumn("素材悪魔1", 120);
  source.insertColumn("素材悪魔2", 90);
  fill(3);
  model.refresh();
  ASSERT_EQ(model.columnCount(), 2);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("素材悪魔1"));
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("素材悪魔2"));
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(cell(r, 0), QString::fromStdString(source.cell(r, 0)));
    EXPECT_EQ(cell(r, 1), QString::fromStdString(source.cell(r, 1)));
  }
  EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
  EXPECT_FALSE(model.data(model.index(0, 0), Qt::DecorationRole).isValid());
}

TEST_F(ListViewModelTest, FollowsChangedCellsInsertedDeletedAndClearedRows) {
  source.insertColumn("A", 10);
  source.insertColumn("B", 10);
  fill(4);
  model.refresh();
  source.setCell(1, 1, "changed");
  source.insertRow(0, "first");
  source.deleteRow(4);
  model.refresh();
  ASSERT_EQ(model.rowCount(), 4);
  EXPECT_EQ(cell(0, 0), "first");
  EXPECT_EQ(cell(0, 1), "");
  EXPECT_EQ(cell(2, 1), "changed");
  EXPECT_EQ(cell(3, 0), "left 2");
  source.clear();
  model.refresh();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.columnCount(), 2);
}

TEST_F(ListViewModelTest, KeepsItsShapeUntilTheRefreshAndReadsNothingThatIsGone) {
  source.insertColumn("A", 10);
  source.insertColumn("B", 10);
  fill(5);
  model.refresh();
  source.clear();
  // A repaint before the refresh (a message box shown during an operation) finds no rows.
  EXPECT_EQ(model.rowCount(), 5);
  EXPECT_FALSE(model.data(model.index(4, 1)).isValid());
  fill(2);
  EXPECT_EQ(cell(1, 1), "right 1");
  EXPECT_FALSE(model.data(model.index(3, 0)).isValid());
}

TEST_F(ListViewModelTest, AReportWithoutColumnsShowsNoRows) {
  source.appendRow("only", "");
  model.refresh();
  EXPECT_EQ(model.columnCount(), 0);
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace qmoor
