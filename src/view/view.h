// CQmoorView: the one form view. It owns the form's control models, the
// query's working state, the result lists and the tab table, and maps every
// notification of a control and every menu command to one operation.
//
// The path of a user's action: a widget (or a qmoor-drive script line) lets
// the control model take the change (a new selection, a toggled check, typed
// text), then calls notify(); notify() runs the operation the control stands
// for; the operation gathers its filter settings from the controls once,
// calls the pure fusion rules (rules/pair_enumeration.h) and writes the
// answer back into the control models, which tell their observer (the
// widgets) what to repaint.
//
// The whole class lives in view/, one file a subsystem: demon_selection.cpp,
// show_recipes.cpp, result_list_operations.cpp, fusion_options.cpp,
// level_totals.cpp, detail_panels.cpp, skill_search.cpp, tab_bar.cpp,
// tab_file.cpp, view_language.cpp, initial_update.cpp and view.cpp. It owns
// its state in plain structs (WorkingState, ResultLists, TabTable) and
// reaches files and dialogs only through its host (view_host.h).
#pragma once

#include <optional>
#include <string>

#include "data/skills.h"
#include "data/types.h"
#include "rules/filter_settings.h"
#include "view/result_lists.h"
#include "form/form.h"
#include "names/names.h"
#include "view/working_state.h"
#include "view/tab_table.h"
#include "view/list_rows.h"
#include "view/view_host.h"

namespace qmoor {

class CQmoorView {
 public:
  explicit CQmoorView(ViewHost& host);
  CQmoorView(const CQmoorView&) = delete;
  CQmoorView& operator=(const CQmoorView&) = delete;

  Form& form() { return form_; }
  const Form& form() const { return form_; }
  const WorkingState& working() const { return state_; }
  const ResultLists& results() const { return results_; }
  const TabTable& tabTable() const { return tabs_; }
  // Skill holders of condition 1 (group 0) and condition 2 (group 1).
  const std::vector<DemonRef>& holdersOf(int group) const { return holders_[group == 0 ? 0 : 1]; }
  // The skill an item of a skill list or skill combo stands for (0 for a free
  // slot); nothing for a control that lists no skills.
  std::optional<int> skillShownAt(ControlId id, int item) const;
  // The settings the fusion rules are evaluated under, read from the controls.
  FilterSettings currentFilters() const;

  // Fills the fixed lists, sets the start values and chooses the first demon.
  void InitialUpdate();
  // The user acted on control id; the control model already holds the change.
  void notify(ControlId id, Notification notification);
  // A menu command routed to the view (save, load, clear tabs).
  void command(CommandId id);
  // Opens demon in a new tab right after the current one, as the form's
  // open-in-new-tab buttons do. False, with nothing opened, when the tabs are
  // full (MaxTabs) or no such demon exists.
  bool openInNewTab(DemonRef demon);

  // The language of the form's names and texts; Japanese until set.
  Language language() const { return language_; }
  // Shows every text of the form in the language, keeping the query on screen.
  void SetLanguage(Language language);

 private:
  // Demon selection (demon_selection.cpp).
  void ChooseRace();
  void ChooseDemon();
  void ChooseFromLevelOrder();
  void ChooseFromRaceOrder();
  void SetMaterialRace();
  bool chooseFromOrder(ControlId orderCombo, DemonRef (*orderAt)(int));
  void revertOrderCombo(ControlId orderCombo);

  // Recipes, result lists, options and level totals (show_recipes.cpp,
  // result_list_operations.cpp, fusion_options.cpp, level_totals.cpp).
  void ShowRecipes();
  void showRecipeLines(DemonRef demon);  // nothing for a demon without a special recipe
  void showNoRecipeLine();
  void ListRacePairs(Race resultRace);
  void AppendSpiritLines();
  void ListAllMaterialPairs();
  void ListMaterialPairs(Race a, Race b);
  void ListSpiritPairs();
  void appendRowsFrom(size_t firstNewRow);
  void emptyMaterialPairView();
  void emptyRacePairList();
  void ToggleNeutralOrCurse();
  void ToggleReverse();
  void SetAutoLimit();
  // The automatic limit: the current demon's level, no limit while no demon is chosen.
  int automaticCap() const;
  void SetManualLimit();
  void ManualLimitEdited();
  void recomputeForLimit();
  bool rebuildsOnToggle() const;
  bool normalDemonChosen() const;
  void ShowRequiredTotal();
  void UpdateTotalLevel();

  // Detail and material panels, skill search (detail_panels.cpp, skill_search.cpp).
  void ShowDemonDetail(DemonRef demon);
  void ShowMaterial1(DemonRef demon);
  void ShowMaterial2(DemonRef demon);
  void showMaterial(int panel, DemonRef demon);
  void ChooseRacePair();
  void RebuildMaterialLists(bool fromRacePairList);
  void fillMaterialList(int panel, Race race);
  void presetMaterial(int panel, DemonRef demon);
  void emptyMaterialList(int panel);
  void PickMaterialPair();
  void MaterialChosen(int panel, ControlId source);
  void MaterialDoubleClicked(int panel);
  void SkillChosen(int group, ControlId source);
  void RerunQuery();
  void FillHolders(int group);
  void HolderChosen(int group, ControlId source);
  void openListedDemon(const std::vector<DemonRef>& demons, int index);

  // Tab bar and saved tabs (tab_bar.cpp, tab_file.cpp).
  void StoreTab();
  void storeInto(TabState& record);
  void RestoreTab();
  void RelabelCurrentTab(Race race, Slot slot);
  // Every change of a tab's label goes through these, which keep tabs_.labelled in step.
  void insertTab(int position, DemonRef demon);
  void relabelTab(int position, DemonRef demon);
  void deleteTab(int position);
  // The form's open buttons: a tab for demon right of the current one; nothing when full.
  void InsertTabAfterCurrent(DemonRef demon);
  void MoveTabLeft();
  void MoveTabRight();
  void DeleteLeftTab();
  void DeleteRightTab();
  void CloseTab();
  void ClearTabs();
  void SaveTabs();
  void LoadTabs();
  void updateTabButtons();
  bool roomForTab() const;
  void selectPickedRowInView();

  // The form's texts in the view's language (view_language.cpp).
  void showFixedTexts();
  // Shows every text the query put on screen again in the language, each
  // made anew from what it stands for.
  void showQueryAgain();
  std::vector<std::string> skillTexts(DemonRef demon, SkillList which) const;
  std::vector<std::string> recipeListTexts() const;  // for results_.recipeOf
  std::string raceText(Race race) const;  // Japanese keeps the padding blanks
  std::string uiString(std::string_view japanese) const;
  std::string tabLabel(DemonRef demon) const;
  std::string holderCountText(int g) const;  // "所持悪魔 ： 12体" for holders_[g]

  ViewHost& host_;
  Language language_ = Language::Japanese;
  Form form_;
  WorkingState state_;
  ResultLists results_;
  // What the material-pair view and the four detail views (stats, resistances,
  // marks, inheritance) show; their cells are made when asked for.
  MaterialPairRows materialPairRows_{results_.materialPairs, language_};
  DemonDetailRow detailRows_[4] = {
      DemonDetailRow(Column::HP, language_), DemonDetailRow(Column::FirstResistance, language_),
      DemonDetailRow(Column::FirstMark, language_), DemonDetailRow(Column::Inheritance, language_)};
  TabTable tabs_;
  std::vector<DemonRef> holders_[2];
  // Which combos without a selection show a text the view wrote there, so
  // that a new language writes it anew from what it stands for: a material
  // panel's demon by name, the count of a skill's holders. The user's typing
  // or choosing there ends it.
  bool materialNameShown_[2] = {false, false};
  bool holderCountShown_[2] = {false, false};
};

}  // namespace qmoor
