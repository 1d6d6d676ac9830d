// View invariants: see view_invariants.h.
#include "view_invariants.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "rules/fusion_rules.h"

namespace qmoor::testing {

namespace {

std::string idText(ControlId id) { return std::to_string(static_cast<int>(id)); }

std::string twinsOutOfStep(Form& form, ControlId a, ControlId b) {
  const ListBox& first = form.list(a);
  const ListBox& second = form.list(b);
  if (first.items() != second.items()) return "items of " + idText(a) + " and " + idText(b) + " differ";
  if (first.selection() != second.selection())
    return "selections of " + idText(a) + " (" + std::to_string(first.selection()) + ") and " + idText(b) + " (" +
           std::to_string(second.selection()) + ") differ";
  return {};
}

std::string selectionsInRange(Form& form) {
  for (const auto& control : form.controls()) {
    switch (control->kind()) {
      case ControlKind::ComboBox:
      case ControlKind::ListBox: {
        const auto& list = static_cast<const ListBox&>(*control);
        if (list.selection() < -1 || list.selection() >= list.count())
          return "selection of " + idText(list.id()) + " outside its items";
        break;
      }
      case ControlKind::ListView: {
        const auto& view = static_cast<const ListView&>(*control);
        for (int mark : {view.selectedRow(), view.focusedRow(), view.hotRow()})
          if (mark < -1 || mark >= view.rowCount()) return "row mark of " + idText(view.id()) + " outside its rows";
        break;
      }
      case ControlKind::TabControl: {
        const auto& tabs = static_cast<const TabControl&>(*control);
        if (tabs.selection() < 0 || tabs.selection() >= tabs.count()) return "tab selection outside the tabs";
        break;
      }
      default:
        break;
    }
  }
  return {};
}

// Whether the row (first, second) is a way of making target under filters,
// by the rules as written.
bool rowYieldsTarget(const MaterialPair& row, DemonRef target, const FilterSettings& filters) {
  if (!isOccupied(row.first) || !isOccupied(row.second)) return false;
  const int levelA = level(row.first);
  const int levelB = level(row.second);
  if (levelA > filters.cap || levelB > filters.cap) return false;
  if (!filters.skills.accepts(row.first, row.second)) return false;
  if (row.second.race == SpiritRace) {
    if (filters.neutral || !admitsSpiritPairs(filters.materialRaceChoice, target.race)) return false;
    const auto sources = spiritSources(target, filters.curse);
    return std::find(sources.begin(), sources.end(), SpiritSource{row.first, row.second.slot}) != sources.end();
  }
  if (row.first == target || row.second == target) return false;
  if (!admitsRacePair(filters.materialRaceChoice, row.first.race, row.second.race)) return false;
  if (filters.neutral && !isNeutralPair(row.first.race, row.second.race)) return false;
  if (target.race == PhaseRace)
    return fusionResult(row.first.race, row.second.race, filters.curse) == phaseFusionRace(target.slot);
  if (!filters.curse && target == DemonRef{20, 1}) return false;
  return fusionResult(row.first.race, row.second.race, filters.curse) == target.race &&
         pairYieldsDemon(target, levelA, levelB);
}

}  // namespace

std::string brokenInvariant(CQmoorView& view) {
  Form& form = view.form();
  const std::pair<ControlId, ControlId> twins[] = {
      {ControlId::RacePairList, ControlId::RacePairCombo}, {ControlId::DemonList, ControlId::DemonCombo},
      {ControlId::MaterialList1, ControlId::Material1Combo}, {ControlId::MaterialList2, ControlId::Material2Combo},
      {ControlId::HolderList1, ControlId::HolderCombo1}, {ControlId::HolderList2, ControlId::HolderCombo2}};
  for (const auto& [a, b] : twins)
    if (std::string broken = twinsOutOfStep(form, a, b); !broken.empty()) return broken;
  if (std::string broken = selectionsInRange(form); !broken.empty()) return broken;

  const std::pair<ControlId, ControlId> skillGroups[] = {{ControlId::Skill1KindCombo, ControlId::Skill1KanaCombo},
                                                         {ControlId::Skill2KindCombo, ControlId::Skill2KanaCombo}};
  for (const auto& [kind, kana] : skillGroups)
    if (kindOrderAt(form.combo(kind).selection() + 1) != kanaOrderAt(form.combo(kana).selection() + 1))
      return "skill combos " + idText(kind) + " and " + idText(kana) + " name different skills";

  const WorkingState& state = view.working();
  if (state.currentRace < 0 || state.currentRace >= RaceTotal) return "currentRace outside the races";
  if (state.currentSlot < -1 || state.currentSlot >= raceCount(state.currentRace)) return "currentSlot outside its race";

  const ResultLists& results = view.results();
  const ListView& rows = form.listView(ControlId::MaterialPairView);
  if (static_cast<int>(results.materialPairs.size()) != rows.rowCount()) return "material pairs and rows differ in number";
  if (static_cast<int>(results.racePairs.size()) != form.list(ControlId::RacePairList).count())
    return "race pairs and lines differ in number";
  if (results.materialPairs.empty()) return {};
  const DemonRef target{state.currentRace, state.currentSlot};
  if (!isOccupied(target)) return "rows are listed with no demon chosen";
  const FilterSettings filters = view.currentFilters();
  for (size_t i = 0; i < results.materialPairs.size(); ++i) {
    const MaterialPair& row = results.materialPairs[i];
    if (!rowYieldsTarget(row, target, filters))
      return "row " + std::to_string(i) + " (" + resultLabel(row.first) + " / " + resultLabel(row.second) +
             ") does not yield " + resultLabel(target);
    if (rows.cell(static_cast<int>(i), 0) != resultLabel(row.first) || rows.cell(static_cast<int>(i), 1) != resultLabel(row.second))
      return "row " + std::to_string(i) + " shows other demons than it holds";
  }
  return {};
}

}  // namespace qmoor::testing
