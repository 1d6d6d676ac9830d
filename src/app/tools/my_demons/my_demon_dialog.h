// MyDemonDialog: adds or edits one of my demons. A demon combo that filters as
// the name is typed, its level from its base level to 99, and eight skill
// slots that offer only what the demon can hold at that level; choosing a
// demon fills in its innate skills and what it has learned by that level.
// Return in the demon field chooses the demon typed and moves on to its
// level; only a chosen demon lets the dialog be accepted.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "forward/inheritance.h"
#include "stock/my_demon.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace qmoor {

class RowTableModel;

class MyDemonDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts from entry; without one (a new entry), or from an entry that names
  // no demon, it starts with none chosen and an empty demon field.
  MyDemonDialog(const std::optional<MyDemon>& entry, QWidget* parent);

  // The entry as the dialog shows it: the skills in slot order, empty slots left out.
  MyDemon entry() const;

 private:
  void demonChosen();
  void levelChanged();
  // Each slot offers an empty entry and every skill the demon can hold at
  // the level; the slots take `skills` in order.
  void offerSkills(const std::vector<int>& skills);
  std::vector<int> chosenSkills() const;
  void retranslate();

  RowTableModel* demonEntries_;
  QLabel* demonLabel_;
  QComboBox* demon_;
  QLabel* levelLabel_;
  QSpinBox* level_;
  QLabel* skillsLabel_;
  std::array<QComboBox*, MostSkillsHeld> skills_{};
  QDialogButtonBox* buttons_;
  std::vector<int> offered_;  // the skills each slot offers after its empty first entry
};

}  // namespace qmoor
