// The view in a language: the fixed texts of the form (captions, column
// headings, race, demon and skill combos) and the switch that shows the query
// on screen again in the new language.
#include <unordered_map>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "data/recipes.h"
#include "view/recipe_list_text.h"
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

// Every text one kind of control can show, Japanese and English, both ways.
class Vocabulary {
 public:
  void add(std::string japanese, std::string english) {
    toJapanese_.emplace(english, japanese);
    toEnglish_.emplace(std::move(japanese), std::move(english));
  }
  // The text in the language; a text the vocabulary does not hold stays.
  std::string translated(const std::string& text, Language language) const {
    const auto& map = language == Language::English ? toEnglish_ : toJapanese_;
    const auto found = map.find(text);
    return found == map.end() ? text : found->second;
  }

 private:
  std::unordered_map<std::string, std::string> toEnglish_, toJapanese_;
};

// Built once on first use; Fill is a distinct lambda type for each vocabulary.
template <typename Fill>
const Vocabulary& vocabulary(Fill fill) {
  static const Vocabulary built = [&] {
    Vocabulary words;
    fill(words);
    return words;
  }();
  return built;
}

using LabelOf = std::string (*)(DemonRef, Language);

// One label shape only: English full and holder labels read alike.
template <LabelOf label>
const Vocabulary& labelVocabulary() {
  return vocabulary([](Vocabulary& words) {
    for (int position = 0; position < DemonTotal; ++position) {
      const DemonRef demon = raceOrderAt(position);
      words.add(label(demon, Language::Japanese), label(demon, Language::English));
    }
  });
}

const Vocabulary& skillVocabulary() {
  return vocabulary([](Vocabulary& words) {
    for (int skill = 0; skill < SkillNumberTotal; ++skill)
      words.add(std::string(skillName(skill, Language::Japanese)), std::string(skillName(skill, Language::English)));
  });
}

const Vocabulary& raceVocabulary() {
  return vocabulary([](Vocabulary& words) {
    for (Race race = 0; race < RaceTotal; ++race)
      words.add(std::string(raceName(race)), std::string(raceName(race, Language::English)));
  });
}

const Vocabulary& racePairVocabulary() {
  return vocabulary([](Vocabulary& words) {
    for (Race a = 0; a < RaceTotal; ++a) {
      for (Race b = 0; b < RaceTotal; ++b)
        words.add(racePairLine({a, b}, Language::Japanese), racePairLine({a, b}, Language::English));
    }
  });
}

const Vocabulary& recipeVocabulary() {
  return vocabulary([](Vocabulary& words) {
    words.add(NoRecipeLine, std::string(uiText(NoRecipeLine, Language::English)));
    for (int position = 0; position < DemonTotal; ++position) {
      if (const auto lines = recipeLines(raceOrderAt(position))) {
        for (std::string_view line : *lines) words.add(std::string(line), recipeLineText(line, Language::English));
      }
    }
  });
}

// Shows the items of a list or combo box in the language, keeping the
// selection and, for a combo box with none, its own text.
void retranslateList(ListBox& list, const Vocabulary& words, Language language) {
  std::vector<std::string> items;
  for (const std::string& item : list.items()) items.push_back(words.translated(item, language));
  auto* combo = list.kind() == ControlKind::ComboBox ? static_cast<ComboBox*>(&list) : nullptr;
  const std::string text = combo ? words.translated(combo->text(), language) : std::string();
  refill(list, items);
  if (combo && combo->selection() < 0) combo->setText(text);
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

void CQmoorView::SetLanguage(Language language) {
  if (language == language_) return;
  const Language previous = language_;
  language_ = language;
  if (form_.tabs().labels().empty()) return;  // before the initial update, which shows the texts
  showFixedTexts();
  retranslateShownTexts(previous);
}

void CQmoorView::retranslateShownTexts(Language previous) {
  const Language to = language_;
  for (ControlId id : {ControlId::DemonList, ControlId::DemonCombo})
    retranslateList(form_.list(id), labelVocabulary<raceLabel>(), to);
  for (ControlId id :
       {ControlId::MaterialList1, ControlId::MaterialList2, ControlId::Material1Combo, ControlId::Material2Combo})
    retranslateList(form_.list(id), labelVocabulary<materialLabel>(), to);
  for (ControlId id :
       {ControlId::HolderList1, ControlId::HolderList2, ControlId::HolderCombo1, ControlId::HolderCombo2})
    retranslateList(form_.list(id), labelVocabulary<holderLabel>(), to);
  for (ControlId id : {ControlId::RacePairList, ControlId::RacePairCombo})
    retranslateList(form_.list(id), racePairVocabulary(), to);
  retranslateList(form_.list(ControlId::RecipeList), recipeVocabulary(), to);
  for (ControlId id : {ControlId::DetailSkills1, ControlId::DetailSkills2, ControlId::Material1Skills1,
                       ControlId::Material1Skills2, ControlId::Material2Skills1, ControlId::Material2Skills2})
    retranslateList(form_.list(id), skillVocabulary(), to);
  for (ControlId id : {ControlId::DetailRaceEdit, ControlId::Material1RaceEdit, ControlId::Material2RaceEdit}) {
    Edit& edit = form_.edit(id);
    edit.setText(raceVocabulary().translated(edit.text(), to));
  }
  for (ControlId id : {ControlId::MaterialPairView, ControlId::StatsView, ControlId::ResistanceView,
                       ControlId::MarksView, ControlId::InheritanceView})
    form_.listView(id).rowTextsChanged();  // their rows read the language when asked for a cell

  // Names alone can be ambiguous (the two ベルゼブブ): they follow the demon shown.
  const auto renamed = [&](const std::string& text, std::optional<DemonRef> shown) {
    if (shown && text == demonName(*shown, previous)) return std::string(demonName(*shown, to));
    const std::vector<DemonRef> named = demonsNamed(text);
    return named.empty() ? text : std::string(demonName(named.front(), to));
  };
  Edit& name = form_.edit(ControlId::DetailNameEdit);
  name.setText(renamed(name.text(), state_.detailDemon));
  for (auto [combo, shown] : {std::pair{ControlId::Material1Combo, state_.panel1Demon},
                              std::pair{ControlId::Material2Combo, state_.panel2Demon}}) {
    if (form_.combo(combo).selection() < 0) form_.combo(combo).setText(renamed(form_.combo(combo).text(), shown));
  }
  for (int g : {0, 1}) {
    ComboBox& holders = form_.combo(g == 0 ? ControlId::HolderCombo1 : ControlId::HolderCombo2);
    const std::string count = std::to_string(holders_[g].size());
    if (holders.selection() < 0 && holders.text() == uiMessage("所持悪魔 ： %1体", previous, {count}))
      holders.setText(uiMessage("所持悪魔 ： %1体", to, {count}));
  }
  TabControl& bar = form_.tabs();
  for (int tab = 0; tab < bar.count(); ++tab) {
    const TabState& record = tabs_.records[static_cast<std::size_t>(tab)];
    const DemonRef shown = tab == tabs_.currentTab ? DemonRef{state_.currentRace, state_.currentSlot}
                                                   : DemonRef{record.race, record.slot};
    bar.setLabel(tab, renamed(bar.label(tab), isOccupied(shown) ? std::optional(shown) : std::nullopt));
  }
}

}  // namespace qmoor
