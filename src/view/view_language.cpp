// The view in a language: the fixed texts of the form (captions, column
// headings, race, demon and skill combos) and the switch that shows the query
// on screen again in the new language, every text made anew from what it
// stands for (the demons, races, skills, race pairs and recipe the view lists).
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "data/recipes.h"
#include "form/layout.h"
#include "names/ui_texts.h"
#include "view/view.h"

namespace qmoor {
namespace {

struct Heading {
  std::string_view japanese;
  std::string_view english;
  int width;  // pixels
};

// English takes the short forms where the detail panel's columns are narrow.
void showHeadings(ListView& view, const std::vector<Heading>& headings, Language language) {
  for (std::size_t c = 0; c < headings.size(); ++c) {
    const Heading& heading = headings[c];
    const std::string_view text = language == Language::Japanese ? heading.japanese : shortForm(heading.english, language);
    view.setColumn(static_cast<int>(c), std::string(text), heading.width);
  }
}

// Refills a combo box or list box with texts, keeping its selection.
void refill(ListBox& list, const std::vector<std::string>& texts) {
  const int selection = list.selection();
  list.clear();
  for (const std::string& text : texts) list.append(text);
  list.setSelection(selection);
}

// Shows texts in a list box or combo box, keeping its selection and, for a
// combo box with none, its own text.
void showItems(ListBox& list, const std::vector<std::string>& texts) {
  auto* combo = list.kind() == ControlKind::ComboBox ? static_cast<ComboBox*>(&list) : nullptr;
  const std::string text = combo ? combo->text() : std::string();
  refill(list, texts);
  if (combo && combo->selection() < 0) combo->setText(text);
}

std::vector<DemonRef> demonsOf(Race race) {
  std::vector<DemonRef> demons;
  for (Slot slot = 0; slot < raceCount(race); ++slot) demons.push_back({race, slot});
  return demons;
}

std::vector<std::string> labels(const std::vector<DemonRef>& demons, std::string (*label)(DemonRef, Language),
                                Language language) {
  std::vector<std::string> texts;
  texts.reserve(demons.size());
  for (const DemonRef& demon : demons) texts.push_back(label(demon, language));
  return texts;
}

}  // namespace

std::string CQmoorView::raceText(Race race) const {
  return std::string(language_ == Language::Japanese ? raceName(race) : raceName(race, language_));
}

std::string CQmoorView::uiString(std::string_view japanese) const { return std::string(uiText(japanese, language_)); }

std::string CQmoorView::tabLabel(DemonRef demon) const { return std::string(demonName(demon, language_)); }

void CQmoorView::showFixedTexts() {
  for (const LayoutEntry& entry : formLayout()) {
    const bool captioned = entry.kind == ControlKind::Button || entry.kind == ControlKind::Static ||
                           entry.kind == ControlKind::GroupBox;
    if (captioned && entry.id != ControlId::None && !entry.caption.empty() && form_.has(entry.id))
      form_.captioned(entry.id).setCaption(uiString(entry.caption));
  }

  std::vector<Heading> stats, resistances, marks;
  const std::string_view statsJa[] = {"HP", "MP", "力", "魔", "体", "速", "運"};
  const int statWidths[] = {28, 30, 24, 24, 24, 24, 24};
  const std::string_view resistancesJa[] = {"物", "火", "氷", "電", "衝", "破", "呪", "魔", "経", "精"};
  const std::string_view marksJa[] = {"口", "羽", "目", "突", "咬", "爪", "針", "武", "乙", "会"};
  for (int k = 0; k < StatHeadingTotal; ++k) stats.push_back({statsJa[k], statHeading(k, Language::English), statWidths[k]});
  for (int k = 0; k < 10; ++k) {
    resistances.push_back({resistancesJa[k], resistanceHeading(k, Language::English), 24});
    marks.push_back({marksJa[k], markHeading(k, Language::English), 24});
  }
  showHeadings(form_.listView(ControlId::StatsView), stats, language_);
  showHeadings(form_.listView(ControlId::ResistanceView), resistances, language_);
  showHeadings(form_.listView(ControlId::MarksView), marks, language_);
  showHeadings(form_.listView(ControlId::InheritanceView), {{"継承", inheritanceHeading(Language::English), 48}}, language_);
  showHeadings(form_.listView(ControlId::MaterialPairView),
               {{"素材悪魔1", uiText("素材悪魔1", Language::English), 120},
                {"素材悪魔2", uiText("素材悪魔2", Language::English), 120}},
               language_);

  std::vector<std::string> races, materialRaces{uiString("指定なし")}, levelOrder, raceOrder, kind, kana;
  for (Race race = 0; race < RaceTotal; ++race) races.push_back(raceText(race));
  materialRaces.insert(materialRaces.end(), races.begin(), races.end());
  for (int position = 0; position < DemonTotal; ++position) {
    levelOrder.push_back(fullLabel(levelOrderAt(position), language_));
    raceOrder.push_back(fullLabel(raceOrderAt(position), language_));
  }
  for (int position = 1; position < SkillOrderLength; ++position) {
    kind.push_back(std::string(skillName(kindOrderAt(position), language_)));
    kana.push_back(std::string(skillName(nameOrderAt(position, language_), language_)));
  }
  refill(form_.combo(ControlId::RaceCombo), races);
  refill(form_.combo(ControlId::MaterialRaceCombo), materialRaces);
  refill(form_.combo(ControlId::LevelOrderCombo), levelOrder);
  refill(form_.combo(ControlId::RaceOrderCombo), raceOrder);
  for (auto [kindCombo, kanaCombo] : {std::pair{ControlId::Skill1KindCombo, ControlId::Skill1KanaCombo},
                                      std::pair{ControlId::Skill2KindCombo, ControlId::Skill2KanaCombo}}) {
    refill(form_.combo(kindCombo), kind);
    refill(form_.combo(kanaCombo), kana);
    // The kana combo shows the skill of its kind twin, wherever the language puts it.
    const int skill = kindOrderAt(form_.combo(kindCombo).selection() + 1);
    if (form_.combo(kindCombo).selection() >= 0)
      form_.combo(kanaCombo).setSelection(namePositionOf(skill, language_) - 1);
  }
}

std::vector<std::string> CQmoorView::skillTexts(DemonRef demon, SkillList which) const {
  std::vector<std::string> texts;
  for (int skill : skillsOf(demon, which)) texts.push_back(std::string(skillName(skill, language_)));
  return texts;
}

void CQmoorView::SetLanguage(Language language) {
  if (language == language_) return;
  language_ = language;
  if (form_.tabs().labels().empty()) return;  // before the initial update, which shows the texts
  showFixedTexts();
  showQueryAgain();
}

void CQmoorView::showQueryAgain() {
  const Language to = language_;
  // Each list that lists something shows it again, named in the language.
  const auto showListed = [this](std::initializer_list<ControlId> ids, const std::vector<std::string>& texts) {
    for (ControlId id : ids) {
      if (form_.list(id).count() > 0) showItems(form_.list(id), texts);
    }
  };
  showListed({ControlId::DemonList, ControlId::DemonCombo}, labels(demonsOf(state_.currentRace), raceLabel, to));
  showListed({ControlId::MaterialList1, ControlId::Material1Combo},
             labels(demonsOf(state_.materialRace1), materialLabel, to));
  showListed({ControlId::MaterialList2, ControlId::Material2Combo},
             labels(demonsOf(state_.materialRace2), materialLabel, to));
  showListed({ControlId::HolderList1, ControlId::HolderCombo1}, labels(holders_[0], holderLabel, to));
  showListed({ControlId::HolderList2, ControlId::HolderCombo2}, labels(holders_[1], holderLabel, to));
  std::vector<std::string> racePairs;
  for (const RacePair& pair : results_.racePairs) racePairs.push_back(racePairLine(pair.first, pair.second, to));
  showListed({ControlId::RacePairList, ControlId::RacePairCombo}, racePairs);
  showListed({ControlId::RecipeList}, recipeListTexts());
  for (auto [list, demon, which] :
       {std::tuple{ControlId::DetailSkills1, state_.detailDemon, SkillList::First},
        std::tuple{ControlId::DetailSkills2, state_.detailDemon, SkillList::Second},
        std::tuple{ControlId::Material1Skills1, state_.panel1Demon, SkillList::First},
        std::tuple{ControlId::Material1Skills2, state_.panel1Demon, SkillList::Second},
        std::tuple{ControlId::Material2Skills1, state_.panel2Demon, SkillList::First},
        std::tuple{ControlId::Material2Skills2, state_.panel2Demon, SkillList::Second}}) {
    if (demon) showListed({list}, skillTexts(*demon, which));
  }
  for (ControlId id : {ControlId::MaterialPairView, ControlId::StatsView, ControlId::ResistanceView,
                       ControlId::MarksView, ControlId::InheritanceView})
    form_.listView(id).rowTextsChanged();  // their rows read the language when asked for a cell

  if (state_.detailDemon) {
    form_.edit(ControlId::DetailRaceEdit).setText(raceText(state_.detailDemon->race));
    form_.edit(ControlId::DetailNameEdit).setText(std::string(demonName(*state_.detailDemon, to)));
  }
  for (auto [edit, race] : {std::pair{ControlId::Material1RaceEdit, state_.materialRace1},
                            std::pair{ControlId::Material2RaceEdit, state_.materialRace2}}) {
    if (!form_.edit(edit).text().empty()) form_.edit(edit).setText(raceText(race));
  }
  // What the user typed into a combo stays as typed.
  for (auto [panel, combo, shown] : {std::tuple{0, ControlId::Material1Combo, state_.panel1Demon},
                                     std::tuple{1, ControlId::Material2Combo, state_.panel2Demon}}) {
    ComboBox& box = form_.combo(combo);
    if (materialNameShown_[panel] && shown && box.selection() < 0) box.setText(std::string(demonName(*shown, to)));
  }
  for (int g : {0, 1}) {
    ComboBox& holders = form_.combo(g == 0 ? ControlId::HolderCombo1 : ControlId::HolderCombo2);
    if (holderCountShown_[g] && holders.selection() < 0) holders.setText(holderCountText(g));
  }
  for (int tab = 0; tab < form_.tabs().count(); ++tab) relabelTab(tab, tabs_.labelled[static_cast<std::size_t>(tab)]);
}

}  // namespace qmoor
