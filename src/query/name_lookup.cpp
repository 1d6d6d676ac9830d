// Name resolution with suggestions.
#include "query/name_lookup.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "data/race_slot_text.h"
#include "data/skills.h"
#include "names/names.h"
#include "names/skill_words.h"
#include "names/typed_names.h"
#include "query/closest_names.h"
#include "query/shown_text.h"
#include "query/usage_error.h"

namespace qmoor::query {
namespace {

constexpr Language Languages[] = {Language::Japanese, Language::English};

// A whole number as people type it (full-width digits, blanks around).
std::optional<int> typedNumber(std::string_view typed) { return wholeNumber(plainTyping(typed)); }

std::vector<DemonRef> allDemons() {
  std::vector<DemonRef> demons;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) demons.push_back({race, slot});
  }
  return demons;
}

// A name that names one demon alone; a shared name gets its level appended.
std::string uniqueName(DemonRef demon, Language language) {
  std::string name(demonName(demon, language));
  if (demonsNamed(name).size() > 1) name += std::to_string(level(demon));
  return name;
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// What is being named, in both languages.
struct Noun {
  std::string_view japanese, english;
};
constexpr Noun DemonNoun{"悪魔", "demon"};
constexpr Noun SkillNoun{"スキル", "skill"};
constexpr Noun RaceNoun{"種族", "race"};
constexpr Noun SkillKindNoun{"スキルの種類", "skill kind"};
constexpr Noun ElementNoun{"属性", "element"};

template <class Candidates>
[[noreturn]] void unknown(Noun what, std::string_view text, const Candidates& candidates) {
  const std::vector<std::string> closest = closestNames(text, candidates);
  throw UsageError("不明な" + std::string(what.japanese) + " " + quoted(text) +
                       (closest.empty() ? "。近い名前はありません" : "。近い名前: " + joined(closest)),
                   "unknown " + std::string(what.english) + " " + quoted(text) +
                       (closest.empty() ? "; no name is close" : "; closest: " + joined(closest)));
}

std::optional<DemonRef> byRaceAndSlot(std::string_view typed) {
  const std::string text = plainTyping(typed);
  const std::optional<DemonRef> demon = raceSlotFrom(text);
  if (demon && !isOccupied(*demon)) {
    throw UsageError(text + " に悪魔はいません。種族は 0～31、番号は種族ごとに 0 から数えます",
                     "no demon at " + text + "; races are 0 to 31 and slots count from 0 within a race");
  }
  return demon;
}

// "ベルゼブブ95": a name followed by the demon's level.
std::optional<DemonRef> byNameAndLevel(std::string_view typed) {
  const std::string text = plainTyping(typed);
  const std::size_t digits = text.find_last_not_of("0123456789") + 1;
  if (digits == 0 || digits == text.size()) return std::nullopt;
  const std::optional<int> wanted = wholeNumber(text.substr(digits));
  for (const DemonRef demon : demonsNamed(std::string_view(text).substr(0, digits))) {
    if (level(demon) == wanted) return demon;
  }
  return std::nullopt;
}


// The one value whose key starts with the typed name's key; none when no
// value or several do.
template <class Value>
std::optional<Value> byUniquePrefix(std::string_view typed, const std::vector<std::pair<std::string, Value>>& keyed) {
  const std::string key = nameKey(typed);
  if (key.empty()) return std::nullopt;
  std::optional<Value> found;
  for (const auto& [name, value] : keyed) {
    if (!name.starts_with(key)) continue;
    if (found && !(*found == value)) return std::nullopt;
    found = value;
  }
  return found;
}

// The value whose name in either language the typed text uniquely begins;
// else the request is refused with the closest names.
template <class Value>
Value byPrefixOrClosest(Noun what, std::string_view text, const std::vector<Value>& values,
                        std::string_view (*nameOf)(Value, Language)) {
  std::vector<std::pair<std::string, Value>> keyed;
  std::vector<std::string> candidates;
  for (const Value value : values) {
    for (const Language language : Languages) {
      keyed.emplace_back(nameKey(nameOf(value, language)), value);
      candidates.emplace_back(nameOf(value, language));
    }
  }
  if (const auto found = byUniquePrefix(text, keyed)) return *found;
  unknown(what, text, candidates);
}

// Every keyword of a vocabulary with its words in both languages.
template <class Code>
std::vector<std::string> vocabulary(int total, std::string_view (*wordOf)(Code, Language)) {
  std::vector<std::string> words;
  for (int code = 0; code < total; ++code) {
    words.emplace_back(keyword(static_cast<Code>(code)));
    for (const Language language : Languages) words.emplace_back(wordOf(static_cast<Code>(code), language));
  }
  return words;
}

}  // namespace

DemonRef resolveDemon(std::string_view text) {
  if (const auto demon = byRaceAndSlot(text)) return *demon;
  const std::vector<DemonRef> named = demonsNamed(text);
  if (named.size() == 1) return named.front();
  if (named.size() > 1) {
    std::vector<std::string> choices;
    for (const DemonRef demon : named) {
      for (const Language language : Languages) choices.push_back(uniqueName(demon, language));
      choices.push_back(std::to_string(demon.race) + "/" + std::to_string(demon.slot));
    }
    throw UsageError(quoted(text) + " に当たる悪魔が複数います。どれかを指定してください: " + joined(choices),
                     quoted(text) + " names several demons; say which: " + joined(choices));
  }
  if (const auto demon = byNameAndLevel(text)) return *demon;
  std::vector<std::pair<std::string, DemonRef>> keyed;
  std::vector<NameCandidate> candidates;
  for (const DemonRef demon : allDemons()) {
    for (const Language language : Languages) {
      keyed.emplace_back(nameKey(demonName(demon, language)), demon);
      candidates.push_back({std::string(demonName(demon, language)), uniqueName(demon, language)});
    }
  }
  if (const auto demon = byUniquePrefix(text, keyed)) return *demon;
  unknown(DemonNoun, text, candidates);
}

AtLevel resolveMaterial(std::string_view text) {
  // The last @, typed as an input method leaves it (＠) or not.
  constexpr std::string_view WideAt = "＠";
  const std::size_t narrow = text.rfind('@');
  const std::size_t wide = text.rfind(WideAt);
  if (narrow == std::string_view::npos && wide == std::string_view::npos) {
    const DemonRef demon = resolveDemon(text);
    return {demon, level(demon)};
  }
  const bool wideLast = wide != std::string_view::npos && (narrow == std::string_view::npos || wide > narrow);
  const std::size_t at = wideLast ? wide : narrow;
  const DemonRef demon = resolveDemon(text.substr(0, at));
  const std::string_view levelText = text.substr(at + (wideLast ? WideAt.size() : 1));
  const std::optional<int> wanted = typedNumber(levelText);
  if (!wanted || !levelInRange(demon, *wanted)) {
    const std::string typed = quoted(text), named = escapedText(text.substr(0, at));
    throw UsageError(typed + ": " + named + " のレベルは基本レベル " + std::to_string(level(demon)) + " から " +
                         std::to_string(MaxLevel) + " までの整数です",
                     typed + ": the level of " + named + " is a whole number from its base level " +
                         std::to_string(level(demon)) + " to " + std::to_string(MaxLevel));
  }
  return {demon, *wanted};
}

int resolveSkill(std::string_view text) {
  if (const std::optional<int> number = typedNumber(text)) {
    if (isSkill(*number)) return *number;
    throw UsageError("番号 " + plainTyping(text) + " のスキルはありません", "no skill numbered " + plainTyping(text));
  }
  if (const std::optional<int> skill = skillNamed(text)) return *skill;
  std::vector<int> skills;
  for (int skill = 1; skill < SkillSentinel; ++skill) {
    if (isSkill(skill)) skills.push_back(skill);
  }
  return byPrefixOrClosest(SkillNoun, text, skills, skillName);
}

Race resolveRace(std::string_view text) {
  if (const std::optional<int> number = typedNumber(text)) {
    if (*number >= 0 && *number < RaceTotal) return *number;
    throw UsageError("番号 " + plainTyping(text) + " の種族はありません。種族は 0～31 です",
                     "no race numbered " + plainTyping(text) + "; races are 0 to 31");
  }
  if (const std::optional<Race> race = raceNamed(text)) return *race;
  std::vector<Race> races(RaceTotal);
  std::iota(races.begin(), races.end(), Race{0});
  return byPrefixOrClosest(RaceNoun, text, races, raceName);
}

SkillKind resolveSkillKind(std::string_view text) {
  if (const std::optional<SkillKind> kind = skillKindNamed(text)) return *kind;
  unknown(SkillKindNoun, text, vocabulary<SkillKind>(SkillKindTotal, skillKindName));
}

SkillElement resolveSkillElement(std::string_view text) {
  if (const std::optional<SkillElement> element = skillElementNamed(text)) return *element;
  unknown(ElementNoun, text, vocabulary<SkillElement>(SkillElementTotal, skillElementName));
}

}  // namespace qmoor::query
