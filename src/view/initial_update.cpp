// The view's first fill: list-view columns, the fixed lists, the start values
// of the controls, and the first demon of the race order as the current demon.
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "view/view.h"

namespace qmoor {

namespace {

struct ColumnHeading {
  const char* header;
  int width;
};

void insertColumns(ListView& view, std::initializer_list<ColumnHeading> columns) {
  for (const ColumnHeading& column : columns) view.insertColumn(column.header, column.width);
}

void fillSkillCombo(ComboBox& combo, int (*orderAt)(int)) {
  for (int position = 1; position < SkillOrderLength; ++position) combo.append(std::string(skillName(orderAt(position))));
}

}  // namespace

void CQmoorView::InitialUpdate() {
  insertColumns(form_.listView(ControlId::StatsView),
                {{"HP", 28}, {"MP", 30}, {"力", 24}, {"魔", 24}, {"体", 24}, {"速", 24}, {"運", 24}});
  insertColumns(form_.listView(ControlId::ResistanceView), {{"物", 24}, {"火", 24}, {"氷", 24}, {"電", 24}, {"衝", 24},
                                                             {"破", 24}, {"呪", 24}, {"魔", 24}, {"経", 24}, {"精", 24}});
  insertColumns(form_.listView(ControlId::MarksView), {{"口", 24}, {"羽", 24}, {"目", 24}, {"突", 24}, {"咬", 24},
                                                        {"爪", 24}, {"針", 24}, {"武", 24}, {"乙", 24}, {"会", 24}});
  insertColumns(form_.listView(ControlId::InheritanceView), {{"継承", 48}});
  insertColumns(form_.listView(ControlId::MaterialPairView), {{"素材悪魔1", 120}, {"素材悪魔2", 120}});
  form_.listView(ControlId::MaterialPairView).setFullRowSelect(true);

  ComboBox& raceCombo = form_.combo(ControlId::RaceCombo);
  ComboBox& materialRaceCombo = form_.combo(ControlId::MaterialRaceCombo);
  materialRaceCombo.append("指定なし");
  for (Race race = 0; race < RaceTotal; ++race) {
    raceCombo.append(std::string(raceName(race)));
    materialRaceCombo.append(std::string(raceName(race)));
  }
  ComboBox& levelOrderCombo = form_.combo(ControlId::LevelOrderCombo);
  ComboBox& raceOrderCombo = form_.combo(ControlId::RaceOrderCombo);
  for (int position = 0; position < DemonTotal; ++position) {
    levelOrderCombo.append(fullLabel(levelOrderAt(position)));
    raceOrderCombo.append(fullLabel(raceOrderAt(position)));
  }
  fillSkillCombo(form_.combo(ControlId::Skill1KindCombo), kindOrderAt);
  fillSkillCombo(form_.combo(ControlId::Skill1KanaCombo), kanaOrderAt);
  fillSkillCombo(form_.combo(ControlId::Skill2KindCombo), kindOrderAt);
  fillSkillCombo(form_.combo(ControlId::Skill2KanaCombo), kanaOrderAt);

  constexpr int Agi = 1;
  raceCombo.setSelection(0);
  materialRaceCombo.setSelection(0);
  for (ControlId kind : {ControlId::Skill1KindCombo, ControlId::Skill2KindCombo})
    form_.combo(kind).setSelection(kindPositionOf(Agi) - 1);
  for (ControlId kana : {ControlId::Skill1KanaCombo, ControlId::Skill2KanaCombo})
    form_.combo(kana).setSelection(kanaPositionOf(Agi) - 1);

  UpDown& spin = form_.upDown();
  spin.setRange(0, 99);
  spin.setPosition(state_.LevelCap);

  form_.tabs().insertItem(0, "");
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
