// Finding a demon, race or skill by a name given in either language.
#include "data/ascii_case.h"
#include "data/compendium.h"
#include "data/races.h"
#include "names/names.h"

namespace qmoor {
namespace {

// Lower-case ASCII letters for the Latin-1 letters U+00C0..U+00FF, by code point.
constexpr std::string_view Latin1Folds = "aaaaaaaceeeeiiiidnooooo*ouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuyty";

std::string_view withoutQualifier(std::string_view folded) {
  const std::size_t open = folded.rfind(" (");
  return open != std::string_view::npos && folded.ends_with(')') ? folded.substr(0, open) : folded;
}

// Without the padding of the race names: blanks and ideographic spaces.
std::string_view trimmed(std::string_view text) {
  for (;;) {
    if (text.ends_with(' ')) text.remove_suffix(1);
    else if (text.ends_with("　")) text.remove_suffix(std::string_view("　").size());
    else return text;
  }
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
  const std::string folded = foldName(name);
  std::vector<DemonRef> found;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      const std::string english = foldName(demonName({race, slot}, Language::English));
      if (demonName({race, slot}, Language::Japanese) == name || english == folded ||
          withoutQualifier(english) == folded)
        found.push_back({race, slot});
    }
  }
  return found;
}

std::optional<Race> raceNamed(std::string_view name) {
  const std::string folded = foldName(name);
  for (Race race = 0; race < RaceTotal; ++race) {
    if (raceName(race, Language::Japanese) == trimmed(name) || raceShortName(race) == name ||
        foldName(raceName(race, Language::English)) == folded)
      return race;
  }
  return std::nullopt;
}

std::optional<int> skillNamed(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const std::string folded = foldName(name);
  for (int skill = 1; skill < SkillSentinel; ++skill) {
    const std::string_view japanese = skillName(skill, Language::Japanese);
    if (japanese.empty() || japanese == "？") continue;
    if (japanese == name || foldName(skillName(skill, Language::English)) == folded) return skill;
  }
  return std::nullopt;
}

}  // namespace qmoor
