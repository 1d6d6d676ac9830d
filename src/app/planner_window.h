// PlannerWindow (スキル継承プランナー): the target, up to eight wanted
// skills, a level limit, CURSE, the most fusions and 所持悪魔のみ; the search
// runs on a worker thread with a progress bar and a cancel button, and the
// plans come back as a tree, a line a demon, each made demon saying how it is
// fused and what it inherits, the demons taken as they are marked; the same
// lines as qmoor plan prints, ready to copy as text. Any demon of the tree opens in a
// new query tab.
#pragma once

#include <QThread>
#include <array>
#include <atomic>
#include <memory>
#include <vector>

#include "app/tool_window.h"
#include "planner/plan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace qmoor {

class PlannerWindow : public ToolWindow {
  Q_OBJECT

 public:
  PlannerWindow(DemonOpener opener, QWidget* owner);
  ~PlannerWindow() override;

  // Starts a search for the request on the controls (nothing while one runs).
  void search();
  bool searching() const { return worker_ != nullptr; }
  // The plans shown, as the indented text that コピー puts on the clipboard:
  // the lines qmoor plan prints for them.
  QString plansText() const;

 protected:
  void retranslate() override;

 private:
  void build();
  void connectActions();
  void fillSkillCombos();
  PlanRequest request() const;
  void showAnswer();
  void showPlans();
  void editOwned();
  void setSearching(bool on);

  static constexpr int SkillComboTotal = MostWantedSkills;
  QLabel* targetLabel_;
  QComboBox* target_;
  std::vector<DemonRef> targets_;  // the target combo's demons, in level order
  QLabel* skillsLabel_;
  std::array<QComboBox*, SkillComboTotal> skills_{};
  std::vector<int> skillChoices_;  // the skills each skill combo offers after its empty first entry
  QLabel* limitLabel_;
  QSpinBox* limit_;
  QCheckBox* curse_;
  QLabel* depthLabel_;
  QSpinBox* depth_;
  QCheckBox* ownedOnly_;
  QPushButton* editOwned_;
  QPushButton* search_;
  QPushButton* cancel_;
  QProgressBar* progress_;
  QTreeWidget* plans_;
  QPushButton* copy_;
  QLabel* status_;
  QLabel* note_;

  QThread* worker_ = nullptr;
  std::shared_ptr<std::atomic<bool>> cancelFlag_;
  std::shared_ptr<PlanAnswer> answer_;
  PlanRequest asked_;
};

}  // namespace qmoor
