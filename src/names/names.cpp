// Names and headings in either language, read from the generated name table;
// Japanese comes from the compendium itself so that its texts stay identical.
#include "names/names.h"

#include <span>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "names/names_table.generated.h"

namespace qmoor {
namespace {

std::string_view pick(const NamePair& pair, Language language) {
  return language == Language::English && !pair.en.empty() ? pair.en : pair.ja;
}

std::string_view headingAt(std::span<const NamePair> headings, int index, Language language) {
  if (index < 0 || static_cast<std::size_t>(index) >= headings.size()) return {};
  return pick(headings[static_cast<std::size_t>(index)], language);
}

// The English word of a Japanese text of the table, or the text itself.
std::string_view wordOf(std::span<const NamePair> words, std::string_view ja, Language language) {
  if (language == Language::English) {
    for (const NamePair& word : words) {
      if (word.ja == ja) return word.en;
    }
  }
  return ja;
}

}  // namespace

std::optional<Language> languageFromCode(std::string_view code) {
  if (code == "ja") return Language::Japanese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

std::string_view languageCode(Language language) { return language == Language::English ? "en" : "ja"; }

std::string_view demonName(DemonRef demon, Language language) {
  if (!isOccupied(demon)) return {};
  if (language == Language::Japanese) return cell(Column::Name, demon);
  return pick(DemonNames[demon.race][demon.slot], language);
}

std::string_view raceName(Race race, Language language) {
  if (race < 0 || race >= RaceTotal) return {};
  return pick(RaceNames[race], language);
}

std::string_view skillName(int skill, Language language) {
  if (skill < 0 || skill >= SkillNumberTotal) return {};
  if (language == Language::Japanese || SkillNamePairs[skill].en.empty()) return skillName(skill);
  return SkillNamePairs[skill].en;
}

std::string_view statHeading(int stat, Language language) { return headingAt(StatHeadings, stat, language); }

std::string_view resistanceHeading(int resistance, Language language) {
  return headingAt(ResistanceHeadings, resistance, language);
}

std::string_view markHeading(int mark, Language language) { return headingAt(MarkHeadings, mark, language); }

std::string_view inheritanceHeading(Language language) { return pick(Captions[0], language); }

std::string_view resistanceValue(std::string_view cell, Language language) {
  return wordOf(ResistanceValues, cell, language);
}

std::string_view inheritanceWord(std::string_view word, Language language) {
  return wordOf(InheritanceWords, word, language);
}

}  // namespace qmoor
