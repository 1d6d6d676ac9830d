// FusionSimulatorWindow (合体シミュレーター): pick a material and see every
// partner with what each pairing makes (normal, phase and spirit fusion) in
// a sortable table, under the CURSE chart or not; pick a partner and see the
// result large, with its level and race; below, the special recipes that
// name the material.
#pragma once

#include <optional>
#include <vector>

#include "app/tool_window.h"
#include "forward/forward_fusion.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace qmoor {

class RowTableModel;

class FusionSimulatorWindow : public ToolWindow {
  Q_OBJECT

 public:
  FusionSimulatorWindow(DemonOpener opener, QWidget* owner);
  ~FusionSimulatorWindow() override;

 protected:
  void retranslate() override;

 private:
  void build();
  void connectActions();
  void listPartners();
  void showResult();
  void partnerRowSelected();
  void sortPartners(int column, Qt::SortOrder order);
  std::optional<DemonRef> chosen(const QComboBox* combo) const;
  // The demon the result area shows large: the normal result, else the
  // spirit result, else the first phase result.
  std::optional<DemonRef> shownResult() const;

  RowTableModel* demonEntries_;
  RowTableModel* partnerModel_;
  RowTableModel* specialModel_;
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
  FusionOutcome outcome_;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace qmoor
