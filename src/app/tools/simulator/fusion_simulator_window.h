// FusionSimulatorWindow (合体シミュレーター): pick a material at a level, or
// one of my demons, and see every partner with what each pairing makes
// (normal, phase and spirit fusion) in a sortable table, under the CURSE
// chart or not; pick a partner the same way and see the result large, with
// its level and race and what it inherits; below, the special recipes that
// name the material. A second page, 所持悪魔の合体, lists what every pair of
// my demons makes, with the number of skills each result inherits and the pool.
#pragma once

#include <optional>
#include <vector>

#include "app/tools/tool_window.h"
#include "forward/forward_fusion.h"
#include "stock/my_fusions.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace qmoor {

class MyDemonsStore;
class RowTableModel;

class FusionSimulatorWindow : public ToolWindow {
  Q_OBJECT

 public:
  FusionSimulatorWindow(MyDemonsStore* myDemons, DemonOpener opener, QWidget* owner);
  ~FusionSimulatorWindow() override;

 protected:
  void retranslate() override;

 private:
  void build();
  // The models of the pair page: the demons to pick, the partners and the special fusions.
  void buildPairModels();
  // The model of the table of my fusions.
  void buildMyFusionModel();
  // The pair page: both materials with their levels, the partners, the result and the special fusions.
  void buildPairPage();
  void connectActions();
  void materialChosen();
  void partnerChosen();
  void takeFromMine(QComboBox* mine, QComboBox* demon, QSpinBox* level);
  void fillMineCombos();
  void listMyFusions();
  void listPartners();
  void showResult();
  void describeInheritance(const std::vector<int>& pool);
  void partnerRowSelected();
  void sortPartners(int column, Qt::SortOrder order);
  std::optional<DemonRef> chosen(const QComboBox* combo) const;
  // The skills the material or partner holds: its entry of my demons when it
  // was taken from them, else what it holds raised to its level.
  std::vector<int> skillsOf(const QComboBox* mine, DemonRef demon, int level) const;
  // The demon the result area shows large: the normal result, else the
  // spirit result, else the first phase result.
  std::optional<DemonRef> shownResult() const;

  RowTableModel* demonEntries_;
  RowTableModel* partnerModel_;
  RowTableModel* specialModel_;
  RowTableModel* myFusionModel_;
  MyDemonsStore* myDemons_;
  QTabWidget* pages_;
  QWidget* pairPage_;
  QWidget* minePage_;
  QLabel* materialLevelLabel_;
  QSpinBox* materialLevel_;
  QLabel* materialMineLabel_;
  QComboBox* materialMine_;
  QLabel* partnerLevelLabel_;
  QSpinBox* partnerLevel_;
  QLabel* partnerMineLabel_;
  QComboBox* partnerMine_;
  QLabel* inherits_;
  QLabel* myFusionsLabel_;
  QTableView* myFusionTable_;
  QLabel* materialLabel_;
  QComboBox* material_;
  QCheckBox* curse_;
  QLabel* partnersLabel_;
  QTableView* partnerTable_;
  QLabel* partnerLabel_;
  QComboBox* partner_;
  QGroupBox* resultBox_;
  QLabel* resultName_;
  QLabel* resultDetail_;
  QLabel* otherResults_;
  QPushButton* openResult_;
  QLabel* specialsLabel_;
  QTableView* specialTable_;

  std::vector<Partnership> partnerships_;  // partner race/slot order
  std::vector<int> partnerOrder_;          // shown row -> index into partnerships_
  std::vector<DemonRef> specials_;
  std::vector<int> mineEntries_;  // the entries of my demons the mine combos offer after their empty entry
  std::vector<MyFusion> myFusions_;
  std::vector<std::pair<int, int>> myFusionRows_;  // shown row -> fusion, result
  FusionOutcome outcome_;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace qmoor
