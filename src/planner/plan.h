// The skill-route planner: the shortest fusion routes that bring chosen skills
// onto a chosen demon under the game's rules of inheritance.
//
// A request names the target, the wanted skills and the limits; the answer is
// a list of plans, each a tree of fusion steps from demons taken at their base
// level to the target, best first (fewest fusions, then the lowest highest
// level, then the fewest distinct demons). planRoutes is pure and may run on
// any thread; a cancel flag and a progress callback serve a caller that waits.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "data/types.h"
#include "forward/forward_fusion.h"

namespace qmoor {

inline constexpr int MostWantedSkills = 8;
inline constexpr int MostPlanFusions = 6;
inline constexpr int HeldSkillLimit = 8;

struct PlanRequest {
  DemonRef target;
  std::vector<int> skills;  // 1..8 selectable skill numbers
  int levelLimit = 99;      // every demon of a plan is at most this level
  bool curse = false;       // the fusion chart of the CURSE setting
  int maxFusions = 4;       // 1..MostPlanFusions
  int planCount = 10;       // at least 1
  std::optional<std::vector<DemonRef>> owned = std::nullopt;  // when given, the only demons a plan may start from
};

// Adds a wanted skill to the request unless it is wanted already, so the
// skills keep the order they were chosen in and each counts once.
void addWantedSkill(PlanRequest& request, int skill);

struct PlanMaterial {
  DemonRef demon;
  std::optional<int> step;  // the earlier step that made it; none for a demon at its base level
  friend bool operator==(const PlanMaterial&, const PlanMaterial&) = default;
};

struct PlanStep {
  PlanMaterial first;
  PlanMaterial second;
  DemonRef result;
  FusionKind kind = FusionKind::Normal;
  std::vector<int> inherited;  // ascending skill numbers
  std::vector<int> skills;     // everything the result holds: its first list, then the inherited skills
};

// Steps run from the leaves to the target; the last step makes the target.
struct Plan {
  std::vector<PlanStep> steps;
  int highestLevel = 0;
  int distinctDemons = 0;
};

// Why an answer holds no plan, or why a request was not taken.
enum class PlanProblem {
  None,
  // The request cannot be taken.
  TargetNotFusable,    // a special demon, a spirit, a 御魂 or no demon at all
  SkillCount,          // not 1..8 wanted skills
  UnknownSkill,        // a number that is not a selectable skill (skill says which)
  FusionLimit,         // most fusions outside 1..6
  PlanCountRange,      // plan count below 1
  LevelLimitRange,     // level limit outside 1..99
  // The request was taken; no plan exists for a plain reason.
  SkillNotObtainable,  // the target neither has the skill nor can inherit it (skill says which)
  SkillNotHeldAtStart, // no demon a plan may start from holds the skill in its first list (skill says which)
  TargetAboveLimit,    // the target itself is above the level limit
  Cancelled,           // the caller cancelled the search
};
bool refusesRequest(PlanProblem problem);

struct PlanAnswer {
  std::vector<Plan> plans;
  PlanProblem problem = PlanProblem::None;  // None with no plans: none within the most fusions
  int skill = 0;                            // the skill a problem concerns
};

struct PlanControl {
  const std::atomic<bool>* cancel = nullptr;          // polled during the search
  std::function<void(int fusions)> progress;          // called as each plan length starts
};

PlanAnswer planRoutes(const PlanRequest& request, const PlanControl& control = {});

// The skills the target can end up with: its first list and every skill it
// may inherit that some demon holds in its first list.
std::vector<int> obtainableSkills(DemonRef target);

}  // namespace qmoor
