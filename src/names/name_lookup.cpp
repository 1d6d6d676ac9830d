// Finding a demon, race or skill by a name given in either language, typed
// as people type it (see typed_names.h).
#include <string>
#include <vector>

#include "data/ascii_case.h"
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "names/names.h"
#include "names/typed_names.h"

namespace qmoor {
namespace {

// Lower-case ASCII letters for the Latin-1 letters U+00C0..U+00FF, by code point.
constexpr std::string_view Latin1Folds = "aaaaaaaceeeeiiiidnooooo*ouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuyty";

std::string_view withoutQualifier(std::string_view folded) {
  const std::size_t open = folded.rfind(" (");
  return open != std::string_view::npos && folded.ends_with(')') ? folded.substr(0, open) : folded;
}

// The keys of every demon's names, made once.
struct DemonKeys {
  DemonRef demon;
  std::string japanese, english;
};

const std::vector<DemonKeys>& demonKeys() {
  static const std::vector<DemonKeys> keys = [] {
    std::vector<DemonKeys> made;
    for (Race race = 0; race < RaceTotal; ++race) {
      for (Slot slot = 0; slot < raceCount(race); ++slot)
        made.push_back({{race, slot}, nameKey(demonName({race, slot}, Language::Japanese)),
                        nameKey(demonName({race, slot}, Language::English))});
    }
    return made;
  }();
  return keys;
}

}  // namespace

std::string foldName(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
    if (byte == 0xC3 && next >= 0x80 && next <= 0xBF) {
      folded += Latin1Folds[next - 0x80];
      ++i;
    } else {
      folded += lowerAscii(static_cast<char>(byte));
    }
  }
  return folded;
}

std::vector<DemonRef> demonsNamed(std::string_view name) {
  const std::string key = nameKey(name);
  std::vector<DemonRef> found;
  for (const DemonKeys& keys : demonKeys()) {
    if (keys.japanese == key || keys.english == key || withoutQualifier(keys.english) == key)
      found.push_back(keys.demon);
  }
  return found;
}

std::optional<Race> raceNamed(std::string_view name) {
  const std::string key = nameKey(name);
  for (Race race = 0; race < RaceTotal; ++race) {
    if (nameKey(raceName(race, Language::Japanese)) == key || nameKey(raceShortName(race)) == key ||
        nameKey(raceName(race, Language::English)) == key)
      return race;
  }
  return std::nullopt;
}

std::optional<int> skillNamed(std::string_view name) {
  const std::string key = nameKey(name);
  if (key.empty()) return std::nullopt;
  for (int skill = 1; skill < SkillSentinel; ++skill) {
    if (!isSkill(skill)) continue;
    if (nameKey(skillName(skill, Language::Japanese)) == key || nameKey(skillName(skill, Language::English)) == key)
      return skill;
  }
  return std::nullopt;
}

}  // namespace qmoor
