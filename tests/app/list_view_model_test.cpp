// ListViewModel, watched by QAbstractItemModelTester through fills, edits and
// clears of the rows its list view shows.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "app/form_widget/list_view_model.h"
#include "support/text_rows.h"

namespace qmoor {
namespace {

class ListViewModelTest : public ::testing::Test {
 protected:
  testing::TextRows rows = testing::numberedRows(4);
  ListView source{ControlId::MaterialPairView};
  ListViewModel model{source};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};

  void SetUp() override {
    source.insertColumn("素材悪魔1", 120);
    source.insertColumn("素材悪魔2", 90);
    source.showRows(rows);
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
  rows.rows[1][1] = "changed";
  rows.rows.insert(rows.rows.begin(), std::vector<std::string>{"first"});
  rows.rows.erase(rows.rows.begin() + 4);
  source.showRows(rows);
  model.refresh();
  EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(2, 1), cell(3, 0)}), QStringList({"first", "", "changed", "a2"}));
  source.clear();
  model.refresh();
  EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(ListViewModelTest, KeepsItsShapeUntilTheRefreshButReadsNothingThatIsGone) {
  model.refresh();
  testing::TextRows fewer;
  fewer.rows = {{"x", "y"}};
  source.clear();  // an operation that shows a message box before the form is synced
  source.showRows(fewer);
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
  testing::TextRows only;
  only.rows = {{"only", ""}};
  ListView source{ControlId::StatsView};
  source.showRows(only);
  ListViewModel model{source};
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace qmoor
