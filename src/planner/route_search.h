// The exact search behind planRoutes: for a growing number of fusions, every
// way of making the target hold the wanted skills, each kept only when no
// other way is at least as good in every respect that later steps can see.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "forward/inheritance.h"
#include "planner/plan.h"
#include "planner/recipe_index.h"
#include "planner/skill_bits.h"

namespace qmoor::detail {

// The work the fewest-demons pass may do, in ways combined or compared: about 20 ms.
inline constexpr long FewestDemonsWork = 3'000'000;
inline constexpr int DemonIndexTotal = RaceTotal * SlotsPerRace;  // race * 10 + slot
using DemonSet = std::bitset<DemonIndexTotal>;

class RouteSearch {
 public:
  // The request has been checked: a fusable target within the limit, 1..8
  // selectable wanted skills, each one the target has or can inherit.
  RouteSearch(const PlanRequest& request, const PlanControl& control);

  // The plans of exactly `fusions` steps, best first; empty when there is
  // none. Once a shorter plan is known, `longer` skips plans that fuse a
  // demon which could simply be taken as it is, carrying nothing and adding
  // no needed skill count.
  std::vector<Plan> plansWith(int fusions, bool longer);
  // The same plans found by trying every filler choice alone, without the
  // faster passes: slower, and there to check them.
  std::vector<Plan> exhaustivePlansWith(int fusions);
  bool cancelled() const { return cancelled_; }

 private:
  // A way of making one demon inside a plan, as its parent step sees it: the
  // skills it holds that the parent could inherit, how many it holds in all,
  // the highest level in its subtree and the demons its subtree uses.
  struct Option {
    SkillBits visible;
    int size = 0;
    int highestLevel = 0;
    DemonSet demons;
    int node = 0;
  };
  // One demon of a plan tree: a leaf, or a fusion of two earlier nodes.
  struct Node {
    int demon = 0;
    int first = -1;
    int second = -1;
    FusionKind kind = FusionKind::Normal;
    SkillBits inherited;
  };
  // A finished plan before it is written out.
  struct Finished {
    int node = 0;
    int highestLevel = 0;
    int distinctDemons = 0;
  };
  // How a step's fillers are chosen. Optimistic lets a material show its
  // parent every filler it could have taken (more than it can hold, so it
  // proves only that no plan exists); Canonical takes one choice, those the
  // parent can take first; Every keeps each choice that could matter; Fewest
  // demons does the same and also keeps a way that uses fewer demons.
  enum class Fillers { Optimistic, Canonical, Every, CanonicalLean, FewestDemons };
  // The plans of `fusions` steps found with the given fillers, every demon at most `levelCap`.
  std::vector<Finished> finish(Fillers fillers, int fusions, int levelCap);
  template <class Visit>
  void combine(int demon, unsigned required, int fusions, int leastSize, Visit visit, const bool* done);
  const std::vector<Option>& solve(int demon, unsigned required, int fusions, int leastSize, int parent);
  void addOption(std::vector<Option>& options, int demon, const SkillBits& pool, const SkillBits& passed, int taken,
                 int parent, int highestLevel, const DemonSet& demons, FusionKind kind, int first, int second);
  std::vector<Finished> plansUnder(int fusions, int levelCap);  // none when no plan exists
  std::vector<Finished> bestOfLength(int fusions, std::vector<Finished> found);
  SkillBits wantedBits(unsigned mask) const;
  bool mayCarry(int demon, unsigned mask, int fusions) const;
  int largestSize(int demon, int fusions) const;
  bool stopRequested();
  bool spendWork(long units);  // false once the pass's allowance is spent
  Plan writePlan(const Finished& finished) const;
  std::vector<Plan> writePlans(std::vector<Finished> finished) const;
  void computeBounds();
  void computeSizeBounds();

  PlanRequest request_;
  PlanControl control_;
  int target_ = 0;
  std::vector<int> wanted_;  // the wanted skills the target must inherit
  std::array<SkillBits, DemonIndexTotal> innate_{};
  std::array<int, DemonIndexTotal> innateCount_{};
  std::array<SkillBits, DemonIndexTotal> receivable_{};  // inheritable by the demon, its own skills excepted
  std::array<int, DemonIndexTotal> level_{};
  std::array<bool, DemonIndexTotal> leaf_{};      // may start a plan
  std::array<int, DemonIndexTotal> leafNode_{};   // its node once made, else -1
  std::array<std::vector<MaterialFusion>, DemonIndexTotal> fusions_;
  // Lower bounds on the fusions needed: to have the demon at all, and to have it holding each wanted skill.
  std::array<int, DemonIndexTotal> fusionsToMake_{};
  std::vector<std::array<int, DemonIndexTotal>> fusionsToCarry_;
  // Upper bounds on the skills a demon holds when made with exactly b fusions (-1: it cannot be).
  std::array<std::array<int, DemonIndexTotal>, MostPlanFusions + 1> largestSize_{};
  Fillers fillers_ = Fillers::Canonical;
  int levelCap_ = 99;
  // The ways found so far, by filler choice and level cap.
  std::array<std::map<int, std::unordered_map<std::uint64_t, std::vector<Option>>>, 5> memo_;
  std::vector<Node> nodes_;
  bool cancelled_ = false;
  // The fewest-demons pass: the fewest distinct demons of a plan known at the
  // lowest level (a way that cannot beat it is dropped), and the work it may
  // still do (-1 outside the pass, 0 once spent).
  int fewestDemonsKnown_ = 0;
  long workLeft_ = -1;
};

int demonIndex(DemonRef demon);
DemonRef demonAt(int index);
SkillBits innateSkills(DemonRef demon);    // the first list, "？" left out
SkillBits receivableSkills(DemonRef demon);  // what it may inherit, its first list excepted

}  // namespace qmoor::detail
