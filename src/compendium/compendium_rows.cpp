// The compendium rows, read once from the compiled-in texts and skill lists.
#include <charconv>

#include "compendium/compendium_model.h"
#include "data/races.h"
#include "data/skills.h"

namespace qmoor {
namespace {

constexpr std::string_view Blank = "　";
constexpr std::array<std::string_view, ResistanceGradeTotal> GradeTexts = {"弱", Blank, "強", "無", "吸", "反"};

// A figure of the compendium; statistics are padded with a leading space.
int figure(Column column, DemonRef demon) {
  std::string_view text = cell(column, demon);
  while (text.starts_with(' ')) text.remove_prefix(1);
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

CompendiumRow rowOf(DemonRef demon) {
  CompendiumRow row;
  row.demon = demon;
  row.level = level(demon);
  row.hp = figure(Column::HP, demon);
  row.mp = figure(Column::MP, demon);
  for (int k = 0; k < StatTotal; ++k)
    row.stats[k] = figure(static_cast<Column>(static_cast<int>(Column::Strength) + k), demon);
  for (int k = 0; k < ResistanceTotal; ++k) {
    row.resistances[k] = resistanceFromText(cell(resistanceColumn(k), demon)).value_or(Resistance::Normal);
  }
  for (int k = 0; k < MarkTotal; ++k) row.marks[k] = cell(markColumn(k), demon) != Blank;
  row.inheritance = cell(Column::Inheritance, demon);
  row.first = skillsOf(demon, SkillList::First);
  row.second = skillsOf(demon, SkillList::Second);
  return row;
}

}  // namespace

std::string_view resistanceText(Resistance grade) { return GradeTexts[static_cast<std::size_t>(grade)]; }

std::optional<Resistance> resistanceFromText(std::string_view text) {
  if (text.empty() || text == " ") return Resistance::Normal;
  for (int k = 0; k < ResistanceGradeTotal; ++k) {
    if (GradeTexts[static_cast<std::size_t>(k)] == text) return static_cast<Resistance>(k);
  }
  return std::nullopt;
}

const std::vector<CompendiumRow>& compendiumRows() {
  static const std::vector<CompendiumRow> rows = [] {
    std::vector<CompendiumRow> all;
    all.reserve(DemonTotal);
    for (int position = 0; position < DemonTotal; ++position) all.push_back(rowOf(raceOrderAt(position)));
    return all;
  }();
  return rows;
}

}  // namespace qmoor
