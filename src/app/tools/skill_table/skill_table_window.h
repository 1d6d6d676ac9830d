// SkillTableWindow (スキル一覧): every selectable skill in one table (number,
// name, kind, element, cost, target, power, inheritance mark or 継承不可,
// and the game's help text in English mode), sortable by its columns and
// narrowed by kind, element, mark, inheritability and name. Choosing a skill
// lists the demons that have it, innate or learned at a level; a demon opens
// in a new query tab, and プランナーで探す asks the skill-route planner for
// the skill.
#pragma once

#include <functional>
#include <vector>

#include "app/tools/tool_window.h"
#include "compendium/skill_rows.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace qmoor {

class RowTableModel;

// Opens the planner window with the skill among its wanted skills.
using SkillPlanner = std::function<void(int skill)>;

class SkillTableWindow : public ToolWindow {
  Q_OBJECT

 public:
  SkillTableWindow(DemonOpener opener, SkillPlanner planner, QWidget* owner);
  ~SkillTableWindow() override;

 protected:
  void retranslate() override;

 private:
  void build();
  // The models of the skill table and of the table of the skill's holders.
  void buildModels();
  QWidget* buildFilterBar();
  QWidget* buildHolderPanel();
  void connectActions();
  void fitColumnsToEverySkill();
  SkillFilter filter() const;
  // Filters and sorts the rows anew, the chosen skill staying chosen while it is shown.
  void applyFilter(int chosen);
  void sortShown(int column, Qt::SortOrder order);
  void showHolders();
  void clearFilter();
  int chosenSkill() const;  // 0 when no skill is chosen

  SkillPlanner planner_;
  RowTableModel* skillModel_;
  RowTableModel* holderModel_;
  QLabel* kindLabel_;
  QComboBox* kind_;
  QLabel* elementLabel_;
  QComboBox* element_;
  QLabel* markLabel_;
  QComboBox* mark_;
  QLabel* inheritableLabel_;
  QComboBox* inheritable_;
  QLabel* nameLabel_;
  QLineEdit* name_;
  QPushButton* clear_;
  QLabel* count_;
  QLabel* tableLabel_;
  QTableView* table_;
  QLabel* holdersLabel_;
  QTableView* holders_;
  QPushButton* plan_;

  std::vector<int> shown_;  // rows of the skill table, in shown order
  std::vector<SkillHolder> holderRows_;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace qmoor
