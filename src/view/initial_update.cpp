// The view's first fill: list-view columns, the fixed lists, the start values
// of the controls, and the first demon of the race order as the current demon.
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "view/view.h"

namespace qmoor {

void CQmoorView::InitialUpdate() {
  // The columns come first, headed and sized by showFixedTexts like every fixed text.
  for (auto [view, columns] : {std::pair{ControlId::StatsView, 7}, std::pair{ControlId::ResistanceView, 10},
                               std::pair{ControlId::MarksView, 10}, std::pair{ControlId::InheritanceView, 1},
                               std::pair{ControlId::MaterialPairView, 2}}) {
    for (int c = 0; c < columns; ++c) form_.listView(view).insertColumn("", 0);
  }
  form_.listView(ControlId::MaterialPairView).setFullRowSelect(true);
  showFixedTexts();

  ComboBox& raceCombo = form_.combo(ControlId::RaceCombo);
  ComboBox& materialRaceCombo = form_.combo(ControlId::MaterialRaceCombo);
  ComboBox& raceOrderCombo = form_.combo(ControlId::RaceOrderCombo);
  constexpr int Agi = 1;
  raceCombo.setSelection(0);
  materialRaceCombo.setSelection(0);
  for (ControlId kind : {ControlId::Skill1KindCombo, ControlId::Skill2KindCombo})
    form_.combo(kind).setSelection(kindPositionOf(Agi) - 1);
  for (ControlId kana : {ControlId::Skill1KanaCombo, ControlId::Skill2KanaCombo})
    form_.combo(kana).setSelection(namePositionOf(Agi, language_) - 1);

  UpDown& spin = form_.upDown();
  spin.setRange(0, 99);
  spin.setPosition(state_.LevelCap);

  insertTab(0, {0, -1});
  form_.tabs().setSelection(0);
  for (ControlId button : {ControlId::MoveLeftButton, ControlId::MoveRightButton, ControlId::DeleteLeftButton,
                           ControlId::DeleteRightButton})
    form_.control(button).setEnabled(false);

  ChooseRace();
  raceOrderCombo.setSelection(0);
  ChooseFromRaceOrder();
  form_.control(ControlId::CloseTabButton).setEnabled(false);
  FillHolders(1);
  FillHolders(2);
}

}  // namespace qmoor
