// The holding rule over the compendium's skill lists, the learn levels and
// the inheritance marks.
#include "stock/holding_rule.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/skill_inheritance.h"
#include "data/skill_learning.h"
#include "data/skills.h"
#include "forward/inheritance.h"

namespace qmoor {
namespace {

bool inFirstList(DemonRef demon, int skill) {
  const auto first = skillsOf(demon, SkillList::First);
  return std::find(first.begin(), first.end(), skill) != first.end();
}

}  // namespace

std::vector<int> innateSkills(DemonRef demon) {
  std::vector<int> skills;
  for (int skill : skillsOf(demon, SkillList::First)) {
    if (isSkill(skill)) skills.push_back(skill);
  }
  return skills;
}

std::vector<int> learnedUpTo(DemonRef demon, int level) {
  std::vector<int> skills;
  for (const LearnedSkill& learned : learnedSkills(demon)) {
    if (learned.level <= level) skills.push_back(learned.skill);
  }
  return skills;
}

bool canHold(DemonRef demon, int level, int skill) {
  if (!isSkill(skill) || !isOccupied(demon)) return false;
  const int learnedAt = learnLevel(demon, skill);
  return inFirstList(demon, skill) || (learnedAt != 0 && learnedAt <= level) || canInherit(demon, skill);
}

std::vector<int> holdableSkills(DemonRef demon, int level) {
  std::vector<int> skills;
  for (int skill = 1; skill < SkillSentinel; ++skill) {
    if (canHold(demon, level, skill)) skills.push_back(skill);
  }
  return skills;
}

std::vector<int> skillsAtLevel(DemonRef demon, int level) {
  std::vector<int> skills = innateSkills(demon);
  for (int skill : learnedUpTo(demon, level)) {
    if (static_cast<int>(skills.size()) < MostSkillsHeld) skills.push_back(skill);
  }
  return skills;
}

EntryCheck checkEntry(const MyDemon& entry) {
  if (!entry.unread.empty()) return {EntryProblem::Unreadable};
  if (!isOccupied(entry.demon)) return {EntryProblem::UnknownDemon};
  if (!levelInRange(entry.demon, entry.level)) return {EntryProblem::LevelOutOfRange};
  if (static_cast<int>(entry.skills.size()) > MostSkillsHeld) return {EntryProblem::TooManySkills};
  for (auto at = entry.skills.begin(); at != entry.skills.end(); ++at) {
    const int skill = *at;
    if (skillEntry(skill) == SkillEntry::None) return {EntryProblem::UnknownSkill, skill};
    if (!isSkill(skill)) return {EntryProblem::NotASkill, skill};
    if (std::find(entry.skills.begin(), at, skill) != at) return {EntryProblem::RepeatedSkill, skill};
    if (!canHold(entry.demon, entry.level, skill)) return {EntryProblem::CannotHold, skill};
  }
  return {};
}

std::vector<int> entriesWithoutProblem(const std::vector<MyDemon>& entries) {
  std::vector<int> places;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (checkEntry(entries[i]).problem == EntryProblem::None) places.push_back(static_cast<int>(i));
  }
  return places;
}

}  // namespace qmoor
