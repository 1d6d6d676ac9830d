// FusionChartWindow (合体表): the race × race chart of normal fusion, with
// CURSE as a check box; the races head the rows and the columns and stay in
// view, each cell names the race the two make (empty where they make
// nothing) and reads to a screen reader as "row race × column race: result
// race". Choosing a cell lists the demons that pair of races can make, with
// the material level sums that make each; a double click opens the cell's
// highest demon, or a listed demon, in a new query tab.
#pragma once

#include <vector>

#include "app/tools/tool_window.h"
#include "rules/race_chart.h"

class QCheckBox;
class QLabel;
class QTableView;

namespace qmoor {

class ChartModel;
class RowTableModel;

class FusionChartWindow : public ToolWindow {
  Q_OBJECT

 public:
  FusionChartWindow(DemonOpener opener, QWidget* owner);
  ~FusionChartWindow() override;

 protected:
  void retranslate() override;

 private:
  void build();
  void connectActions();
  void fitColumns();
  void showChart();
  void showCell();

  ChartModel* chartModel_;
  RowTableModel* demonModel_;
  QCheckBox* curse_;
  QLabel* chartLabel_;
  QTableView* chart_;
  QLabel* cellLabel_;
  QTableView* demons_;

  std::vector<ChartDemon> cellDemons_;
};

}  // namespace qmoor
