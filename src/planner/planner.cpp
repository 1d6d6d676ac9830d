// planRoutes: checks a request, answers the plain cases at once and runs the
// route search for one more fusion at a time until the plans asked for are in.
#include <algorithm>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skill_inheritance.h"
#include "data/skills.h"
#include "planner/plan.h"
#include "planner/route_search.h"

namespace qmoor {
namespace {

bool isFusable(DemonRef demon) { return isOccupied(demon) && (demon.race == PhaseRace || !isSpecial(demon)); }

// Whether a demon the request lets a plan start from holds the skill in its first list.
bool heldAtStart(const PlanRequest& request, int skill) {
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      const DemonRef demon{race, slot};
      const bool owned = !request.owned || std::ranges::find(*request.owned, demon) != request.owned->end();
      if (owned && level(demon) <= request.levelLimit && detail::innateSkills(demon).contains(skill)) return true;
    }
  }
  return false;
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
  return std::nullopt;
}

}  // namespace

void addWantedSkill(PlanRequest& request, int skill) {
  if (std::ranges::find(request.skills, skill) == request.skills.end()) request.skills.push_back(skill);
}

bool refusesRequest(PlanProblem problem) {
  switch (problem) {
    case PlanProblem::TargetNotFusable:
    case PlanProblem::SkillCount:
    case PlanProblem::UnknownSkill:
    case PlanProblem::FusionLimit:
    case PlanProblem::PlanCountRange:
    case PlanProblem::LevelLimitRange:
      return true;
    default:
      return false;
  }
}

std::vector<int> obtainableSkills(DemonRef target) {
  std::vector<int> skills;
  if (!isFusable(target)) return skills;
  const SkillBits innate = detail::innateSkills(target);
  const PlanRequest anyStart{target, {}};
  for (int skill = 1; skill < SkillNumberTotal; ++skill) {
    if (!isSkill(skill)) continue;
    if (innate.contains(skill) || (canInherit(target, skill) && heldAtStart(anyStart, skill))) skills.push_back(skill);
  }
  return skills;
}

PlanAnswer planRoutes(const PlanRequest& request, const PlanControl& control) {
  if (auto refused = refusal(request)) return *refused;
  const SkillBits innate = detail::innateSkills(request.target);
  for (int skill : request.skills) {
    if (!innate.contains(skill) && !canInherit(request.target, skill)) {
      return problem(PlanProblem::SkillNotObtainable, skill);
    }
  }
  if (level(request.target) > request.levelLimit) return problem(PlanProblem::TargetAboveLimit);
  for (int skill : request.skills) {
    if (!innate.contains(skill) && !heldAtStart(request, skill)) return problem(PlanProblem::SkillNotHeldAtStart, skill);
  }

  const bool owned = !request.owned || std::ranges::find(*request.owned, request.target) != request.owned->end();
  const bool holdsAll =
      std::ranges::all_of(request.skills, [&](int skill) { return innate.contains(skill); });
  PlanAnswer answer;
  if (holdsAll && owned) {
    answer.plans.push_back({{}, level(request.target), 1});
    return answer;
  }
  detail::RouteSearch search(request, control);
  for (int fusions = 1; fusions <= request.maxFusions; ++fusions) {
    std::vector<Plan> plans = search.plansWith(fusions, !answer.plans.empty());
    if (search.cancelled()) {
      answer.problem = PlanProblem::Cancelled;
      break;
    }
    for (Plan& plan : plans) {
      if (static_cast<int>(answer.plans.size()) < request.planCount) answer.plans.push_back(std::move(plan));
    }
    if (static_cast<int>(answer.plans.size()) >= request.planCount) break;
  }
  return answer;
}

}  // namespace qmoor
