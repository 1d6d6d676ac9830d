// The skill tables of every demon: see demon_skills.h.
#include "planner/demon_skills.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/skill_inheritance.h"
#include "data/skill_learning.h"
#include "data/skills.h"

namespace qmoor::detail {
namespace {

struct DemonSkillTables {
  std::array<SkillBits, DemonIndexTotal> innate{};
  std::array<SkillBits, DemonIndexTotal> receivable{};
  std::array<std::vector<LearnStep>, DemonIndexTotal> learning{};  // ascending levels
};

}  // namespace

int demonIndex(DemonRef demon) { return demon.race * SlotsPerRace + demon.slot; }
DemonRef demonAt(int index) { return {index / SlotsPerRace, index % SlotsPerRace}; }

namespace {

// Both tables for every demon, worked out once: they depend on the compendium alone.
const DemonSkillTables& demonSkillTables() {
  static const DemonSkillTables tables = [] {
    DemonSkillTables built;
    for (int i = 0; i < DemonIndexTotal; ++i) {
      const DemonRef demon = demonAt(i);
      if (!isOccupied(demon)) continue;
      for (int skill : skillsOf(demon, SkillList::First)) {
        if (isSkill(skill)) built.innate[i].add(skill);
      }
      for (int skill = 1; skill < SkillNumberTotal; ++skill) {
        if (isSkill(skill) && canInherit(demon, skill) && !built.innate[i].contains(skill)) built.receivable[i].add(skill);
      }
      std::vector<LearnStep>& steps = built.learning[i];
      for (const LearnedSkill& entry : learnedSkills(demon)) {
        auto at = std::find_if(steps.begin(), steps.end(), [&](const LearnStep& step) { return step.level == entry.level; });
        if (at == steps.end()) at = steps.insert(steps.end(), {entry.level, {}});
        at->skills.add(entry.skill);
      }
      std::sort(steps.begin(), steps.end(), [](const LearnStep& x, const LearnStep& y) { return x.level < y.level; });
    }
    return built;
  }();
  return tables;
}

}  // namespace

SkillBits innateSkills(DemonRef demon) {
  return isOccupied(demon) ? demonSkillTables().innate[demonIndex(demon)] : SkillBits{};
}

SkillBits receivableSkills(DemonRef demon) {
  return isOccupied(demon) ? demonSkillTables().receivable[demonIndex(demon)] : SkillBits{};
}

const std::vector<LearnStep>& learnSteps(int demon) {
  return demonSkillTables().learning[static_cast<std::size_t>(demon)];
}

SkillBits learnedIn(int demon, int from, int to) {
  SkillBits learned;
  for (const LearnStep& step : learnSteps(demon)) {
    if (step.level > to) break;
    if (step.level > from) learned = learned | step.skills;
  }
  return learned;
}

SkillBits learnableSkills(DemonRef demon, int from, int to) {
  return isOccupied(demon) ? learnedIn(demonIndex(demon), from, to) : SkillBits{};
}

}  // namespace qmoor::detail
