// The skill-route planner: the shortest fusion routes that bring chosen skills
// onto a chosen demon under the game's rules of inheritance.
//
// A request names the target, the wanted skills and the limits; the answer is
// a list of plans, each a tree of fusion steps from demons taken at their base
// level or from my demons as they are, every demon levelled up as far as the
// plan needs, to the target, best first: fewest fusions, then fewest demons
// not already mine, lowest highest level, fewest levels gained and fewest
// distinct demons. planRoutes is pure and may run on any thread; a cancel
// flag and a progress callback serve a caller that waits.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "data/types.h"
#include "forward/forward_fusion.h"
#include "stock/my_demon.h"

namespace qmoor {

inline constexpr int MostWantedSkills = 8;
inline constexpr int MostPlanFusions = 6;
inline constexpr int HeldSkillLimit = 8;
inline constexpr int MostMyDemons = 256;

struct PlanRequest {
  DemonRef target;
  std::vector<int> skills;  // 1..8 selectable skill numbers
  int levelLimit = 99;      // every demon of a plan is at most this level
  bool curse = false;       // the fusion chart of the CURSE setting
  int maxFusions = 4;       // 1..MostPlanFusions
  int planCount = 10;       // at least 1
  std::optional<std::vector<DemonRef>> owned = std::nullopt;  // when given, the only demons taken at base level
  std::vector<MyDemon> mine = {};     // my demons, which a plan may take as they are (each once)
  bool onlyMine = false;              // no demon taken at its base level
  bool levelling = true;              // demons may be levelled up to learn skills or meet a level window
  std::vector<DemonRef> excluded = {};  // demons a plan never uses
};

// Adds a wanted skill to the request unless it is wanted already, so the
// skills keep the order they were chosen in and each counts once.
void addWantedSkill(PlanRequest& request, int skill);

struct PlanMaterial {
  DemonRef demon;
  std::optional<int> step;  // the earlier step that made it; none for a demon taken as it is
  std::optional<int> mine;  // which of my demons it is, for a demon taken as it is
  int level = 0;            // its level when fused
  std::vector<int> learned; // what it learned by levelling to that level, in learning order
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

// Steps run from the leaves to the target; the last step makes the target,
// which is then levelled to targetLevel. With no steps, the target is taken
// as it is (one of my demons when targetMine says so) and levelled.
struct Plan {
  std::vector<PlanStep> steps;
  std::optional<int> targetMine;
  int targetLevel = 0;
  std::vector<int> targetLearned;  // what the target learns by that levelling
  int notMine = 0;                 // demons taken at base level
  int highestLevel = 0;            // the highest level any demon of the plan reaches
  int levelsGained = 0;            // all the levels its demons gain
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
  MyDemonInvalid,      // one of my demons is no demon, outside its levels or holds a skill it cannot (skill: its index)
  TooManyOfMine,       // more of my demons than MostMyDemons
  // The request was taken; no plan exists for a plain reason.
  SkillNotObtainable,  // the target neither has the skill nor can inherit it (skill says which)
  SkillHeldByNone,     // no demon a plan may use holds or learns the skill (skill says which)
  SkillsDoNotFit,      // the skills the target must inherit exceed the room its own skills leave
  TargetAboveLimit,    // the target itself is above the level limit
  TargetExcluded,      // the target itself is among the demons a plan never uses
  NoMineUsable,        // only my demons may be taken, and none of them can be
  Cancelled,           // the caller cancelled the search
  SearchCut,           // the bound on work ended the search before it found a plan
};
bool refusesRequest(PlanProblem problem);

// Which orders of the answer are proven: for each key, that no plan beats
// the first in it (among those no worse in the keys before it). A key the
// bound on work cut short is not; all are when nothing was cut.
struct PlanSettled {
  bool fusions = true;
  bool notMine = true;
  bool highestLevel = true;
  bool levelsGained = true;
  bool distinctDemons = true;
  bool all() const { return fusions && notMine && highestLevel && levelsGained && distinctDemons; }
  friend bool operator==(const PlanSettled&, const PlanSettled&) = default;
};

struct PlanAnswer {
  std::vector<Plan> plans;
  PlanProblem problem = PlanProblem::None;  // None with no plans: none within the most fusions
  int skill = 0;                            // the skill a problem concerns
  PlanSettled settled;
};

// The work a search may do by default: about a second of processor time,
// and the memory its memos hold kept under 512 MB.
inline constexpr double DefaultPlanSeconds = 1.0;
inline constexpr std::size_t PlanMemoryBytes = std::size_t{512} << 20;

struct PlanControl {
  const std::atomic<bool>* cancel = nullptr;          // polled during the search
  std::function<void(int fusions)> progress;          // called as each plan length starts
  double seconds = 0;                                 // processor time the search may take; 0: no bound
  std::size_t memoryBytes = PlanMemoryBytes;          // the memos' bound, kept when seconds is not 0
};

PlanAnswer planRoutes(const PlanRequest& request, const PlanControl& control = {});

// The skills the target can end up with: its first list, its second list and
// every skill it may inherit that some demon holds in its first list or learns.
std::vector<int> obtainableSkills(DemonRef target);

}  // namespace qmoor
