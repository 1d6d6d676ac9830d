// Name resolution with suggestions.
#include "query/name_lookup.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "data/race_slot_text.h"
#include "data/skills.h"
#include "names/names.h"
#include "query/closest_names.h"
#include "query/usage_error.h"

namespace qmoor::query {
namespace {

constexpr Language Languages[] = {Language::Japanese, Language::English};

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

template <class Candidates>
[[noreturn]] void unknown(std::string_view what, std::string_view text, const Candidates& candidates) {
  const std::vector<std::string> closest = closestNames(text, candidates);
  throw UsageError("unknown " + std::string(what) + " '" + std::string(text) + "'" +
                   (closest.empty() ? "; no name is close" : "; closest: " + joined(closest)));
}

std::optional<DemonRef> byRaceAndSlot(std::string_view text) {
  const std::optional<DemonRef> demon = raceSlotFrom(text);
  if (demon && !isOccupied(*demon)) {
    throw UsageError("no demon at " + std::string(text) + "; races are 0 to 31 and slots count from 0 within a race");
  }
  return demon;
}

// "ベルゼブブ95": a name followed by the demon's level.
std::optional<DemonRef> byNameAndLevel(std::string_view text) {
  const std::size_t digits = text.find_last_not_of("0123456789") + 1;
  if (digits == 0 || digits == text.size()) return std::nullopt;
  const std::optional<int> wanted = wholeNumber(text.substr(digits));
  for (const DemonRef demon : demonsNamed(text.substr(0, digits))) {
    if (level(demon) == wanted) return demon;
  }
  return std::nullopt;
}

// The skills a demon can hold: named catalogue entries and evolution entries, not "？".
bool isNamedSkill(int skill) {
  const SkillEntry entry = skillEntry(skill);
  return entry == SkillEntry::Skill || entry == SkillEntry::Evolution;
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
    throw UsageError("'" + std::string(text) + "' names several demons; say which: " + joined(choices));
  }
  if (const auto demon = byNameAndLevel(text)) return *demon;
  std::vector<NameCandidate> candidates;
  for (const DemonRef demon : allDemons()) {
    for (const Language language : Languages) {
      candidates.push_back({std::string(demonName(demon, language)), uniqueName(demon, language)});
    }
  }
  unknown("demon", text, candidates);
}

int resolveSkill(std::string_view text) {
  if (const std::optional<int> number = wholeNumber(text)) {
    if (isNamedSkill(*number)) return *number;
    throw UsageError("no skill numbered " + std::string(text));
  }
  if (const std::optional<int> skill = skillNamed(text)) return *skill;
  std::vector<std::string> candidates;
  for (int skill = 1; skill < SkillSentinel; ++skill) {
    if (!isNamedSkill(skill)) continue;
    for (const Language language : Languages) candidates.emplace_back(skillName(skill, language));
  }
  unknown("skill", text, candidates);
}

Race resolveRace(std::string_view text) {
  if (const std::optional<int> number = wholeNumber(text)) {
    if (*number >= 0 && *number < RaceTotal) return *number;
    throw UsageError("no race numbered " + std::string(text) + "; races are 0 to 31");
  }
  if (const std::optional<Race> race = raceNamed(text)) return *race;
  std::vector<std::string> candidates;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (const Language language : Languages) candidates.emplace_back(raceName(race, language));
  }
  unknown("race", text, candidates);
}

}  // namespace qmoor::query
