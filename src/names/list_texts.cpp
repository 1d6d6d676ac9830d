// Lines that list names: skills joined by commas and a race pair, in the
// chosen language.
#include <string>
#include <vector>

#include "data/races.h"
#include "data/skills.h"
#include "names/names.h"

namespace qmoor {

std::string skillListText(const std::vector<int>& skills, Language language) {
  std::string text;
  for (const int skill : skills) {
    if (!text.empty()) text += ", ";
    if (skillEntry(skill) != SkillEntry::None) {
      text += skillName(skill, language);
    } else {
      text += '#';
      text += std::to_string(skill);
    }
  }
  return text;
}

std::string racePairLine(Race first, Race second, Language language) {
  if (language == Language::English)
    return std::string(raceName(first, language)) + " x " + std::string(raceName(second, language));
  // The spirit line names the spirits without the race name's padding.
  const std::string_view firstName = raceName(first);
  const std::string_view secondName = second == SpiritRace ? std::string_view("精霊") : raceName(second);
  std::string text;
  text.reserve(firstName.size() + 3 + secondName.size());
  text.append(firstName).append(" x ").append(secondName);
  return text;
}

}  // namespace qmoor
