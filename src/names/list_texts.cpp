// Lines that list names: skills joined by commas and a race pair, in the
// chosen language.
#include <string>
#include <vector>

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

}  // namespace qmoor
