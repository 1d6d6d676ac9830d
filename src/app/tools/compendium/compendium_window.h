// CompendiumWindow (悪魔全書): every demon in one table (level, name, race,
// HP, MP, statistics, resistances, marks, 継承 and both skill lists),
// sortable by every column, narrowed by a filter bar (race, name, level
// range, a resistance, marks, up to four skills, 初期スキルのみ) with a count
// of the demons shown.
#pragma once

#include <array>
#include <vector>

#include "app/tools/tool_window.h"
#include "compendium/compendium_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace qmoor {

class RowTableModel;

class CompendiumWindow : public ToolWindow {
  Q_OBJECT

 public:
  CompendiumWindow(DemonOpener opener, QWidget* owner);
  ~CompendiumWindow() override;

 protected:
  void retranslate() override;

 private:
  void build();
  // The models of the table and of the skill pickers.
  void buildModels();
  QWidget* buildFilterBar();
  void connectActions();
  // The filter bar's conditions.
  CompendiumFilter filter() const;
  // Filters and sorts the rows anew and shows them.
  void applyFilter();
  // Measures the columns over every demon, so that whatever a filter shows
  // fits, then shows the filter's rows again.
  void fitColumnsToEveryDemon();
  void showCount();
  void sortShown(int column, Qt::SortOrder order);
  void clearFilter();

  RowTableModel* tableModel_;
  RowTableModel* skillEntries_;
  QLabel* raceLabel_;
  QComboBox* race_;
  QLabel* nameLabel_;
  QLineEdit* name_;
  QLabel* levelLabel_;
  QSpinBox* minLevel_;
  QLabel* levelDash_;
  QSpinBox* maxLevel_;
  QLabel* resistanceLabel_;
  QComboBox* resistance_;
  std::array<QCheckBox*, ResistanceGradeTotal> grades_{};
  QLabel* marksLabel_;
  std::array<QCheckBox*, MarkTotal> marks_{};
  QLabel* skillsLabel_;
  std::array<QComboBox*, 4> skills_{};
  QCheckBox* innateOnly_;
  QPushButton* clear_;
  QLabel* count_;
  QTableView* table_;

  std::vector<int> shown_;  // row indices of compendiumRows(), in shown order
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace qmoor
