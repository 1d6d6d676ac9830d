// ListViewModel, watched by QAbstractItemModelTester through fills, edits and
// clears of its list view.
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

  void SetUp() override {
    source.insertColumn("素材悪魔1", 120);
    source.insertColumn("素材悪魔2", 90);
    for (int r = 0; r < 4; ++r) source.appendRow("a" + std::to_string(r), "b" + std::to_string(r));
  }
  QString cell(int row, int column) const { return model.data(model.index(row, column)).toString(); }
};

TEST_F(ListViewModelTest, ShowsTheCellsAndHeadersOfTheControlAfterEachRefresh) {
  EXPECT_EQ(model.rowCount(), 0) << "nothing is shown before the first refresh";
  model.refresh();
  ASSERT_EQ(model.rowCount(), 4);
  ASSERT_EQ(model.columnCount(), 2);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("素材悪魔2"));
  EXPECT_EQ(cell(3, 1), "b3");
  source.setCell(1, 1, "changed");
  source.insertRow(0, "first");
  source.deleteRow(4);
  model.refresh();
  EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(2, 1), cell(3, 0)}), QStringList({"first", "", "changed", "a2"}));
  source.clear();
  model.refresh();
  EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(ListViewModelTest, KeepsItsShapeUntilTheRefreshButReadsNothingThatIsGone) {
  model.refresh();
  source.clear();  // an operation that shows a message box before the form is synced
  source.appendRow("x", "y");
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(cell(0, 1), "y");
  EXPECT_FALSE(model.data(model.index(3, 0)).isValid());
}

TEST_F(ListViewModelTest, TintsOnlyTheHotRow) {
  model.refresh();
  source.setHotRow(2);
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 2; ++column) {
      const QVariant background = model.data(model.index(row, column), Qt::BackgroundRole);
      EXPECT_EQ(background.isValid(), row == 2) << row << "," << column;
    }
  EXPECT_EQ(model.data(model.index(2, 0), Qt::BackgroundRole).value<QColor>(), ListViewModel::HotRowTint);
}

TEST(ListViewModel, AReportWithoutColumnsShowsNoRows) {
  ListView source{ControlId::StatsView};
  source.appendRow("only", "");
  ListViewModel model{source};
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace qmoor
