// The route search's plans written out: the nodes of a finished plan as
// steps from the leaves to the target, one of each shape, best first.
#include <algorithm>
#include <set>

#include "data/compendium.h"
#include "data/skill_learning.h"
#include "data/skills.h"
#include "planner/route_search.h"

namespace qmoor::detail {

std::vector<Plan> RouteSearch::plansWithoutFusion() const {
  std::vector<Plan> plans;
  for (int s : startsOf_[target_]) {
    const Start& start = starts_[static_cast<std::size_t>(s)];
    Plan plan;
    plan.targetLevel = start.level;
    for (const LearnedSkill& entry : learnedSkills(request_.target)) {
      if (wanted_.contains(entry.skill) && !start.skills.contains(entry.skill)) {
        plan.targetLevel = std::max(plan.targetLevel, entry.level);
      }
    }
    const SkillBits learned = learnedBetween(target_, start.level, plan.targetLevel);
    if (plan.targetLevel > request_.levelLimit || !wanted_.isSubsetOf(start.skills | learned)) continue;
    if (start.mine >= 0) plan.targetMine = start.mine;
    for (const LearnedSkill& entry : learnedSkills(request_.target)) {
      if (learned.contains(entry.skill) && !start.skills.contains(entry.skill)) plan.targetLearned.push_back(entry.skill);
    }
    plan.notMine = start.mine < 0 ? 1 : 0;
    plan.highestLevel = plan.targetLevel;
    plan.levelsGained = plan.targetLevel - start.level;
    plan.distinctDemons = 1;
    plans.push_back(std::move(plan));
  }
  std::stable_sort(plans.begin(), plans.end(), [](const Plan& x, const Plan& y) {
    return std::tuple(x.notMine, x.highestLevel, x.levelsGained) < std::tuple(y.notMine, y.highestLevel, y.levelsGained);
  });
  if (static_cast<int>(plans.size()) > request_.planCount) plans.resize(static_cast<std::size_t>(request_.planCount));
  return plans;
}

// A material as the step using it sees it: taken as it is or made by an
// earlier step, and what it learns on the way to the level it is fused at.
PlanMaterial RouteSearch::writeMaterial(Plan& plan, int n, int usedLevel) const {
  const Node& node = nodes_[static_cast<std::size_t>(n)];
  const DemonRef demon = demonAt(node.demon);
  PlanMaterial material{demon, std::nullopt, std::nullopt, usedLevel, {}};
  SkillBits held;
  int start = level_[node.demon];
  if (node.first < 0) {
    const Start& from = starts_[static_cast<std::size_t>(node.start)];
    if (from.mine >= 0) material.mine = from.mine;
    held = from.skills;
    start = from.level;
  } else {
    PlanStep step;
    step.first = writeMaterial(plan, node.first, node.firstLevel);
    step.second = writeMaterial(plan, node.second, node.secondLevel);
    step.result = demon;
    step.kind = node.kind;
    step.inherited = node.inherited.list();
    for (int skill : skillsOf(demon, SkillList::First)) {
      if (innate_[node.demon].contains(skill)) step.skills.push_back(skill);
    }
    step.skills.insert(step.skills.end(), step.inherited.begin(), step.inherited.end());
    held = innate_[node.demon] | node.inherited;
    plan.steps.push_back(std::move(step));
    material.step = static_cast<int>(plan.steps.size()) - 1;
  }
  for (const LearnedSkill& entry : learnedSkills(demon)) {
    if (entry.level > start && entry.level <= usedLevel && !held.contains(entry.skill)) {
      material.learned.push_back(entry.skill);
    }
  }
  return material;
}

Plan RouteSearch::writePlan(const Finished& finished) const {
  Plan plan;
  const PlanMaterial target = writeMaterial(plan, finished.node, finished.targetLevel);
  plan.targetLevel = target.level;
  plan.targetLearned = target.learned;
  plan.notMine = finished.notMine;
  plan.highestLevel = finished.highestLevel;
  plan.levelsGained = finished.levelsGained;
  plan.distinctDemons = finished.distinctDemons;
  return plan;
}

// The plans best first, one of each shape, as many as were asked for.
std::vector<Plan> RouteSearch::writePlans(std::vector<Finished> finished) const {
  std::stable_sort(finished.begin(), finished.end(),
                   [](const Finished& x, const Finished& y) { return x.rank() < y.rank(); });
  std::vector<Plan> plans;
  std::set<std::vector<int>> seen;
  for (const Finished& candidate : finished) {
    if (static_cast<int>(plans.size()) >= request_.planCount) break;
    Plan plan = writePlan(candidate);
    std::vector<int> shape;
    for (const PlanStep& step : plan.steps) {
      for (const PlanMaterial& material : {step.first, step.second}) {
        shape.insert(shape.end(), {demonIndex(material.demon), material.step.value_or(-1), material.mine.value_or(-1)});
      }
      shape.push_back(demonIndex(step.result));
    }
    if (seen.insert(shape).second) plans.push_back(std::move(plan));
  }
  return plans;
}

}  // namespace qmoor::detail
