// planRoutes: checks a request, answers the plain cases at once and runs the
// route search for one more fusion at a time until a number of fusions has
// plans: only plans of the fewest fusions are listed, so none holds a fusion
// it could do without and none is another plus extra steps.
#include <algorithm>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skill_inheritance.h"
#include "data/skill_learning.h"
#include "data/skills.h"
#include "planner/plan.h"
#include "planner/route_search.h"

namespace qmoor {
namespace {

bool isFusable(DemonRef demon) { return isOccupied(demon) && (demon.race == PhaseRace || !isSpecial(demon)); }

bool isExcluded(const PlanRequest& request, DemonRef demon) {
  return std::find(request.excluded.begin(), request.excluded.end(), demon) != request.excluded.end();
}

// What the demon learns by levelling within the request's limit, from the level it starts at.
SkillBits learnable(const PlanRequest& request, DemonRef demon, int from) {
  return request.levelling ? detail::learnableSkills(demon, from, request.levelLimit) : SkillBits{};
}

// Whether some demon a plan may use holds the skill in its first list or
// learns it, or one of my demons holds it. A demon made by fusion brings its
// first list too, so this asks nothing of where a plan starts.
bool heldBySome(const PlanRequest& request, int skill) {
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      const DemonRef demon{race, slot};
      if (level(demon) > request.levelLimit || isExcluded(request, demon)) continue;
      if ((detail::innateSkills(demon) | learnable(request, demon, level(demon))).contains(skill)) return true;
    }
  }
  return std::any_of(request.mine.begin(), request.mine.end(), [&](const MyDemon& mine) {
    return !isExcluded(request, mine.demon) && mine.level <= request.levelLimit &&
           std::find(mine.skills.begin(), mine.skills.end(), skill) != mine.skills.end();
  });
}

// Whether one of my demons is the target and could hold the wanted skills itself.
bool mineHoldsAll(const PlanRequest& request) {
  return std::any_of(request.mine.begin(), request.mine.end(), [&](const MyDemon& mine) {
    if (!(mine.demon == request.target) || mine.level > request.levelLimit) return false;
    SkillBits held = learnable(request, mine.demon, mine.level);
    for (int skill : mine.skills) held.add(skill);
    return std::all_of(request.skills.begin(), request.skills.end(), [&](int skill) { return held.contains(skill); });
  });
}

bool validMine(const MyDemon& mine) {
  if (!isOccupied(mine.demon) || mine.level < level(mine.demon) || mine.level > 99) return false;
  if (mine.skills.size() > static_cast<std::size_t>(HeldSkillLimit)) return false;
  return std::all_of(mine.skills.begin(), mine.skills.end(), isSkill);
}

PlanAnswer problem(PlanProblem kind, int skill = 0) { return {{}, kind, skill}; }

std::optional<PlanAnswer> refusal(const PlanRequest& request) {
  if (!isFusable(request.target)) return problem(PlanProblem::TargetNotFusable);
  if (request.skills.empty() || request.skills.size() > static_cast<std::size_t>(MostWantedSkills)) {
    return problem(PlanProblem::SkillCount);
  }
  for (int skill : request.skills) {
    if (!isSkill(skill)) return problem(PlanProblem::UnknownSkill, skill);
  }
  if (request.maxFusions < 1 || request.maxFusions > MostPlanFusions) return problem(PlanProblem::FusionLimit);
  if (request.planCount < 1) return problem(PlanProblem::PlanCountRange);
  if (request.levelLimit < 1 || request.levelLimit > 99) return problem(PlanProblem::LevelLimitRange);
  if (request.mine.size() > static_cast<std::size_t>(MostMyDemons)) return problem(PlanProblem::TooManyOfMine);
  for (std::size_t k = 0; k < request.mine.size(); ++k) {
    if (!validMine(request.mine[k])) return problem(PlanProblem::MyDemonInvalid, static_cast<int>(k));
  }
  return std::nullopt;
}

// The plain reasons no plan can exist, whatever the number of fusions.
std::optional<PlanAnswer> plainReason(const PlanRequest& request) {
  const DemonRef target = request.target;
  const SkillBits innate = detail::innateSkills(target);
  const SkillBits learns = learnable(request, target, level(target));
  for (int skill : request.skills) {
    if (!innate.contains(skill) && !learns.contains(skill) && !canInherit(target, skill)) {
      return problem(PlanProblem::SkillNotObtainable, skill);
    }
  }
  if (level(target) > request.levelLimit) return problem(PlanProblem::TargetAboveLimit);
  for (int skill : request.skills) {
    if (!innate.contains(skill) && !learns.contains(skill) && !heldBySome(request, skill)) {
      return problem(PlanProblem::SkillHeldByNone, skill);
    }
  }
  const auto mustInherit = std::count_if(
      request.skills.begin(), request.skills.end(), [&](int skill) { return !innate.contains(skill) && !learns.contains(skill); });
  if (mustInherit > HeldSkillLimit - innate.count() && !mineHoldsAll(request)) return problem(PlanProblem::SkillsDoNotFit);
  return std::nullopt;
}

}  // namespace

void addWantedSkill(PlanRequest& request, int skill) {
  if (std::find(request.skills.begin(), request.skills.end(), skill) == request.skills.end()) request.skills.push_back(skill);
}

bool refusesRequest(PlanProblem problem) {
  switch (problem) {
    case PlanProblem::TargetNotFusable:
    case PlanProblem::SkillCount:
    case PlanProblem::UnknownSkill:
    case PlanProblem::FusionLimit:
    case PlanProblem::PlanCountRange:
    case PlanProblem::LevelLimitRange:
    case PlanProblem::MyDemonInvalid:
    case PlanProblem::TooManyOfMine:
      return true;
    default:
      return false;
  }
}

std::vector<int> obtainableSkills(DemonRef target) {
  std::vector<int> skills;
  if (!isFusable(target)) return skills;
  // What some demon holds or learns is the same for every target: asked once
  // for each skill and kept, as the planner window asks this of every demon.
  static const std::vector<bool> heldByAny = [] {
    const PlanRequest anyStart;
    std::vector<bool> held(SkillNumberTotal);
    for (int skill = 1; skill < SkillNumberTotal; ++skill) held[static_cast<std::size_t>(skill)] = heldBySome(anyStart, skill);
    return held;
  }();
  const SkillBits own = detail::innateSkills(target) | detail::learnableSkills(target, level(target), MaxLevel);
  for (int skill = 1; skill < SkillNumberTotal; ++skill) {
    if (!isSkill(skill)) continue;
    if (own.contains(skill) || (canInherit(target, skill) && heldByAny[static_cast<std::size_t>(skill)])) {
      skills.push_back(skill);
    }
  }
  return skills;
}

PlanAnswer planRoutes(const PlanRequest& request, const PlanControl& control) {
  if (auto refused = refusal(request)) return *refused;
  if (auto reason = plainReason(request)) return *reason;
  detail::RouteSearch search(request, control);
  PlanAnswer answer;
  answer.plans = search.plansWithoutFusion();
  for (int fusions = 1; answer.plans.empty() && fusions <= request.maxFusions; ++fusions) {
    answer.plans = search.plansWith(fusions);
    if (search.cancelled()) return problem(PlanProblem::Cancelled);
  }
  return answer;
}

}  // namespace qmoor
