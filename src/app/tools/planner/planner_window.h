// PlannerWindow (スキル継承プランナー): the target, up to eight wanted
// skills, a level limit, CURSE, the most fusions, whether my demons may be
// taken (所持悪魔を使う) or alone (所持悪魔のみ), whether demons may be
// levelled (レベル上げを含める) and the demons no plan may use; the search
// runs on a worker thread with a progress bar and a cancel button, and the
// plans come back as a tree, a line a demon, each made demon saying how it is
// fused and what it inherits, each level-up what it learns, the demons taken
// as they are marked as mine or at base level; the same lines as qmoor plan
// prints, ready to copy as text. Any demon of the tree opens in a new query
// tab. The choices of my demons, levelling and excluded demons are kept
// between runs.
#pragma once

#include <QThread>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "app/tools/tool_window.h"
#include "planner/plan.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSettings;
class QSpinBox;
class QTreeWidget;

namespace qmoor {

class MyDemonsStore;

class PlannerWindow : public ToolWindow {
  Q_OBJECT

 public:
  // editMyDemons opens the window of my demons, whose entries without a
  // problem plans may take as they are.
  PlannerWindow(MyDemonsStore* myDemons, std::function<void()> editMyDemons, DemonOpener opener, QWidget* owner);
  ~PlannerWindow() override;

  // Puts skill among the wanted skills (in the first empty slot, unless it is
  // there already); when the target cannot get it, the target becomes the
  // first demon of the list that can get it with the skills already wanted,
  // else the first that can get it. Nothing while a search runs.
  void wantSkill(int skill);
  // Starts a search for the request on the controls (nothing while one runs).
  void search();
  bool searching() const { return worker_ != nullptr; }
  // The answer shown, as the text that コピー puts on the clipboard: what
  // qmoor plan prints for the same request.
  QString plansText() const;

 protected:
  void retranslate() override;

 private:
  void build();
  // The demons the plans leave out: the picker, its buttons and the list, read from settings.
  QGridLayout* buildExcludeGrid(const QSettings& settings);
  // The search's buttons, its bound and progress, with the plans, their status and note below.
  QHBoxLayout* buildSearchRow(const QSettings& settings);
  void connectActions();
  // Offers the target's skills in the skill combos, each showing the skill
  // wanted in its slot when the target can get it. The wanted skills left out.
  std::vector<int> fillSkillCombos();
  // A new target shows the wanted skills it can get, and says which it cannot.
  void targetChanged();
  // Plans of a request the controls no longer show go.
  void forgetAnswer();
  int skillChoiceAt(int item) const;  // the skill of a skill combo's item; 0 for the empty first one
  PlanRequest request() const;
  void showAnswer();
  void showPlans();
  void setSearching(bool on);
  void exclude(DemonRef demon);
  void removeExcluded();
  void showExcluded();

  static constexpr int SkillComboTotal = MostWantedSkills;
  QLabel* targetLabel_;
  QComboBox* target_;
  std::vector<DemonRef> targets_;  // the target combo's demons, in level order
  QLabel* skillsLabel_;
  std::array<QComboBox*, SkillComboTotal> skills_{};
  std::vector<int> skillChoices_;  // the skills each skill combo offers after its empty first entry
  // The skill the player wants in each slot (0 for none), kept while a target
  // that cannot get it is chosen, so that a target that can shows it again.
  std::array<int, SkillComboTotal> wanted_{};
  QLabel* limitLabel_;
  QSpinBox* limit_;
  QCheckBox* curse_;
  QLabel* depthLabel_;
  QSpinBox* depth_;
  QCheckBox* useMine_;
  QCheckBox* onlyMine_;
  QPushButton* editMine_;
  QCheckBox* levelling_;
  QLabel* excludeLabel_;
  QComboBox* excludeChoice_;
  std::vector<DemonRef> excludeChoices_;  // every demon, in level order, as excludeChoice_ offers them
  QPushButton* excludeAdd_;
  QPushButton* excludeRemove_;
  QListWidget* excludedList_;
  std::vector<DemonRef> excluded_;  // the demons no plan may use, in the order they were added
  QPushButton* search_;
  QPushButton* cancel_;
  QLabel* boundLabel_;
  QSpinBox* bound_;  // seconds of work a search may take; 0: no bound
  QProgressBar* progress_;
  QTreeWidget* plans_;
  QPushButton* copy_;
  QLabel* status_;
  QLabel* note_;

  MyDemonsStore* myDemons_;
  std::function<void()> editMyDemons_;
  QThread* worker_ = nullptr;
  std::shared_ptr<std::atomic<bool>> cancelFlag_;
  std::shared_ptr<PlanAnswer> answer_;
  PlanRequest asked_;
};

}  // namespace qmoor
