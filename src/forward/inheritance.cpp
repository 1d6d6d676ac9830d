// The count and pool of inheritance at fusion.
#include "forward/inheritance.h"

#include <algorithm>

#include "data/skill_inheritance.h"
#include "data/skills.h"

namespace qmoor {

int passingCount(int totalSkills) { return (10 * totalSkills + 27) / 37; }

Inheritance inheritance(std::span<const int> skillsA, std::span<const int> skillsB, DemonRef result) {
  Inheritance answer;
  const auto innate = skillsOf(result, SkillList::First);
  const auto isInnate = [&innate](int skill) { return std::find(innate.begin(), innate.end(), skill) != innate.end(); };
  const int innateCount = static_cast<int>(std::count_if(innate.begin(), innate.end(), isSkill));
  for (std::span<const int> skills : {skillsA, skillsB}) {
    for (int skill : skills) {
      if (canInherit(result, skill) && !isInnate(skill) && std::find(answer.pool.begin(), answer.pool.end(), skill) == answer.pool.end()) {
        answer.pool.push_back(skill);
      }
    }
  }
  const int total = static_cast<int>(skillsA.size() + skillsB.size());
  answer.count = std::min({passingCount(total), static_cast<int>(answer.pool.size()), MostSkillsHeld - innateCount});
  return answer;
}

}  // namespace qmoor
