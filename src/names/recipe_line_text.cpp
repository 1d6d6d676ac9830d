// The lines of the special recipes in English: the wording from the text
// table, the race and demon names word by word from the names table.
#include <optional>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "names/ui_texts.h"

namespace qmoor {
namespace {

// The demon a Japanese name stands for; the two ベルゼブブ are told apart by
// the level the line gives.
std::optional<DemonRef> demonOf(std::string_view name, std::string_view line) {
  if (name == "プルシキ") name = "プルキシ";  // the recipe texts spell the demon so
  std::optional<DemonRef> first;
  for (DemonRef demon : demonsNamed(name)) {
    if (demonName(demon, Language::Japanese) != name) continue;  // an English name is not a word of these lines
    if (!first) first = demon;
    if (line.find("LV" + std::to_string(level(demon))) != std::string_view::npos) return demon;
  }
  return first;
}

std::optional<std::string> nameInEnglish(std::string_view word, std::string_view line) {
  if (const auto race = raceNamed(word); race && raceName(*race, Language::Japanese) == word)
    return std::string(raceName(*race, Language::English));
  if (const auto demon = demonOf(word, line)) return std::string(demonName(*demon, Language::English));
  for (Race race = 0; race < RaceTotal; ++race) {  // a race name run into the demon's: 妖鬼モムノフ
    const std::string_view prefix = raceName(race, Language::Japanese);
    if (!word.starts_with(prefix)) continue;
    if (const auto demon = demonOf(word.substr(prefix.size()), line))
      return std::string(raceName(race, Language::English)) + " " + std::string(demonName(*demon, Language::English));
  }
  return std::nullopt;
}

std::string wordInEnglish(std::string_view word, std::string_view line) {
  if (hasEnglishText(word)) return std::string(uiText(word, Language::English));
  if (auto name = nameInEnglish(word, line)) return *name;
  struct Affix {
    std::string_view suffix, before, after;
  };
  for (const Affix& affix : {Affix{"になる組み合わせ", "(the pairs making a ", ")"}, Affix{"のいずれか", "any ", ""},
                             Affix{"になる", "", ""}}) {
    if (!word.ends_with(affix.suffix)) continue;
    if (auto name = nameInEnglish(word.substr(0, word.size() - affix.suffix.size()), line))
      return std::string(affix.before) + *name + std::string(affix.after);
  }
  return std::string(word);
}

}  // namespace

std::string recipeLineText(std::string_view line, Language language) {
  if (language == Language::Japanese || line.empty()) return std::string(line);
  if (hasEnglishText(line)) return std::string(uiText(line, language));
  std::string text;
  std::size_t start = 0;
  while (start <= line.size()) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (!text.empty() || start > 0) text += ' ';
    text += wordInEnglish(line.substr(start, end - start), line);
    start = end + 1;
  }
  return text;
}

}  // namespace qmoor
