// The exact search behind planRoutes: for a growing number of fusions, every
// way of making the target hold the wanted skills, each kept only when no
// other way is at least as good in every respect that later steps can see.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <limits>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "forward/inheritance.h"
#include "planner/plan.h"
#include "planner/recipe_index.h"
#include "planner/skill_bits.h"
#include "planner/work_bound.h"

namespace qmoor::detail {

inline constexpr int DemonIndexTotal = RaceTotal * SlotsPerRace;  // race * 10 + slot
// The parent of the target's own materials, apart from any step that makes
// the same demon inside a plan.
inline constexpr int TargetStep = DemonIndexTotal;
// A budget of levels gained that binds nothing.
inline constexpr int UnboundedGain = std::numeric_limits<int>::max() / 4;
using DemonSet = std::bitset<DemonIndexTotal>;
using MineSet = std::bitset<MostMyDemons>;

class RouteSearch {
 public:
  // How a step's fillers are chosen. Optimistic lets a material show its
  // parent every filler it could have taken (more than it can hold, so it
  // proves only that no plan exists), and joins the level pairs of a fusion
  // and alike ways into one; OptimisticPerLevel does the same but keeps each
  // level pair apart, slower but much closer to the truth; Canonical takes
  // one choice, those the parent can take first; Varied the same with every
  // learn level tried; Every keeps each choice that could matter.
  enum class Fillers { Optimistic, OptimisticPerLevel, Canonical, Varied, Every };
  // What a pass lets a plan spend: every level at most levelCap, at most
  // notMine demons taken at base level, at most levelsGained levels gained,
  // at most `demons` distinct demons.
  struct Budget {
    int levelCap = 99;
    int notMine = DemonIndexTotal;
    int levelsGained = UnboundedGain;
    int demons = DemonIndexTotal;
    auto key() const { return std::tuple(levelCap, notMine, levelsGained, demons); }
  };

  // The request has been checked: a fusable target within the limit, 1..8
  // selectable wanted skills, each one the target has, learns or can inherit,
  // and my demons valid.
  RouteSearch(const PlanRequest& request, const PlanControl& control);

  // The plans that take the target as it is, levelled; best first.
  std::vector<Plan> plansWithoutFusion() const;
  // The plans of exactly `fusions` steps, best first, with the keys the
  // bound left settled; no plans when there is none, or when the bound cut
  // the search before it knew (cut() says which). Asked for 1, 2, 3, ...
  // fusions in turn, so fewer have none. Until a plan is known, the search
  // keeps to a share of its bound, leaving the rest to quickPlansFrom.
  PlanAnswer plansWith(int fusions);
  // After a cut: plans the canonical pass alone finds quickly, from `fusions`
  // on, with the rest of the bound and no key settled; SearchCut without one.
  PlanAnswer quickPlansFrom(int fusions);
  // The same plans found by trying every filler choice alone, without the
  // faster passes: slower, and there to check them.
  std::vector<Plan> exhaustivePlansWith(int fusions);
  // Whether the pass alone finds a plan of `fusions` steps within the
  // budget: for the optimistic passes, that one may exist; for the others,
  // that one does.
  bool passFinds(Fillers fillers, int fusions, const Budget& budget);
  bool cancelled() const { return cancelled_; }
  bool cut() const { return cut_; }

 private:
  // A demon a plan may take as it is: at its base level with its first list,
  // or one of my demons.
  struct Start {
    int demon = 0;
    int level = 0;
    SkillBits skills;
    int mine = -1;  // which of my demons, -1 for one taken at base level
    int node = -1;  // its node once made
  };
  // A way of making one demon inside a plan, as its parent step sees it
  // before the parent levels it: the skills it holds that the parent could
  // inherit or that it could learn, how many it holds in all, the level it
  // starts from, and what its subtree costs.
  struct Option {
    SkillBits visible;
    int size = 0;
    int start = 0;
    int highestLevel = 0;
    int levelsGained = 0;
    int notMine = 0;
    MineSet mine;
    DemonSet demons;
    int node = 0;
    int unlearned = 0;  // skills held outside its second list (compared, not shown)
  };
  // One demon of a plan tree: a start, or a fusion of two earlier nodes
  // levelled to the given levels.
  struct Node {
    int demon = 0;
    int first = -1;
    int second = -1;
    FusionKind kind = FusionKind::Normal;
    SkillBits inherited;
    int firstLevel = 0;
    int secondLevel = 0;
    int start = -1;  // the start it is, for a leaf
  };
  // A fusion of two ways at chosen levels, before the result's fillers are chosen.
  struct Made {
    SkillBits pool;
    SkillBits passed;
    int count = 0;
    int highestLevel = 0;
    int levelsGained = 0;
    int notMine = 0;
    MineSet mine;
    DemonSet demons;
    FusionKind kind = FusionKind::Normal;
    int first = 0;
    int second = 0;
    int firstLevel = 0;
    int secondLevel = 0;
  };
  // What a material shows and holds fused at one level.
  struct AtLevel {
    int level = 0;
    SkillBits skills;
    int size = 0;
  };
  // Level pairs of one fusion that the first optimistic pass joins into one.
  struct Join {
    int gained = 0;
    Made made;
    SkillBits seenA;
    SkillBits seenB;
  };
  // The working lists of fuseAtLevels, kept from call to call: it runs
  // millions of times a search and would otherwise allocate each time.
  struct LevelScratch {
    std::vector<int> stagesA;
    std::vector<int> stagesB;
    std::vector<std::pair<int, int>> pairs;
    std::vector<std::pair<int, int>> highestPairs;  // the pairs no other reaches on both sides
    std::vector<AtLevel> knownA;
    std::vector<AtLevel> knownB;
    std::vector<Join> joins;
  };
  // A finished plan before it is written out.
  struct Finished {
    int node = 0;
    int targetLevel = 0;
    int notMine = 0;
    int highestLevel = 0;
    int levelsGained = 0;
    int distinctDemons = 0;
    auto rank() const { return std::tuple(notMine, highestLevel, levelsGained, distinctDemons); }
  };
  // The pass (its filler choice) and the budget (Budget::key) that the ways of a memo were found under.
  using PassKey = std::tuple<int, int, int, int, int>;

  std::vector<Finished> finish(Fillers fillers, int fusions, const Budget& budget);
  template <class Visit>
  void combine(int demon, bool makesTarget, unsigned required, int fusions, int leastSize, Visit visit,
               const bool* done);
  template <class Visit>
  void fuseAtLevels(int demon, const MaterialFusion& fusion, const Option& x, const Option& y, unsigned maskA,
                    unsigned maskB, Visit& visit);
  const std::vector<Option>& solve(int demon, unsigned required, int fusions, int leastSize, int parent);
  const std::vector<Made>& fusionsOf(int demon, unsigned required, int fusions, int leastSize);
  // One fusion making a demon, with the number of fusions below each material.
  struct Split {
    int fusion = 0;  // its index in fusions_
    int a = 0;
    int b = 0;
    int fusionsA = 0;
    int fusionsB = 0;
    int sizeA = 0;  // largestSize_ of each material
    int sizeB = 0;
    unsigned carriableA = 0;
    unsigned carriableB = 0;
  };
  const std::vector<Split>& splitsWithinCap(int demon, int fusions);
  // The ways of making one demon for one parent while they are gathered:
  // each kept only while no other covers it, found by the skills compared
  // (a way can cover only one that shows no skill it lacks), so a new way
  // meets only those that could cover it or that it could cover.
  struct Ways {
    std::vector<Option> options;
    std::vector<std::uint8_t> dropped;  // bytes, not bits: read for every way compared
    std::vector<std::vector<int>> byCount;                          // by how many compared skills they show
    std::unordered_map<std::uint64_t, std::vector<int>> byShown;  // by the compared skills they show and their start
    std::unordered_map<std::uint64_t, std::vector<int>> byJoin;   // the optimistic passes' ways, by what joins them
    int lastCovering = -1;                                         // the way that covered the last one refused
    std::vector<Option> kept() const;
  };
  void addOption(Ways& ways, int demon, int parent, const Made& made);
  bool offer(Ways& ways, const Option& option, const SkillBits& compared);
  bool covers(const Option& big, const Option& small, const SkillBits& compared) const;
  // None when no plan exists; `unlikely` when the caller expects none.
  std::vector<Finished> plansUnder(int fusions, const Budget& budget, bool unlikely = false);
  std::vector<Finished> bestOfLength(int fusions, std::vector<Finished> found, PlanSettled& settled);
  SkillBits wantedBits(unsigned mask) const;
  SkillBits learnedBetween(int demon, int from, int to) const;  // learn level in (from, to]
  int sizeAfter(const Option& option, const SkillBits& learned) const;
  unsigned carriable(int demon, int fusions) const;
  bool optimistic() const { return fillers_ == Fillers::Optimistic || fillers_ == Fillers::OptimisticPerLevel; }
  bool stopRequested();
  std::size_t bytesHeld() const;
  void forgetWays();
  bool overDemonBudget(DemonSet demons, int also) const;
  SkillBits takeableBy(int parent) const;
  SkillBits heldAt(int node, int level) const;
  Plan writePlan(const Finished& finished) const;
  std::vector<Plan> writePlans(std::vector<Finished> finished) const;
  PlanMaterial writeMaterial(Plan& plan, int node, int level) const;
  void computeBounds();
  void computeSizeBounds();

  PlanRequest request_;
  PlanControl control_;
  int target_ = 0;
  SkillBits wanted_;             // the whole request
  std::vector<int> wantedList_;  // the wanted skills the target does not hold innately, one bit each in masks
  std::array<SkillBits, DemonIndexTotal> innate_{};
  std::array<int, DemonIndexTotal> innateCount_{};
  std::array<SkillBits, DemonIndexTotal> receivable_{};  // inheritable by the demon, its own skills excepted
  std::array<SkillBits, DemonIndexTotal> second_{};      // what it learns by levelling, up to the limit
  std::array<int, DemonIndexTotal> level_{};
  std::array<bool, DemonIndexTotal> usable_{};
  std::vector<Start> starts_;
  std::array<std::vector<int>, DemonIndexTotal> startsOf_;
  std::array<std::vector<MaterialFusion>, DemonIndexTotal> fusions_;
  // splitsWithinCap's lists, by demon and number of fusions, for the caps in splitsCap_ (0: none yet).
  std::array<std::array<std::vector<Split>, MostPlanFusions + 1>, DemonIndexTotal> splits_;
  std::array<std::array<int, MostPlanFusions + 1>, DemonIndexTotal> splitsCap_{};
  // Lower bounds on the fusions needed: to have the demon at all, and to have it holding each wanted skill.
  std::array<int, DemonIndexTotal> fusionsToMake_{};
  std::vector<std::array<int, DemonIndexTotal>> fusionsToCarry_;
  // The same as mask bits: the wanted skills each demon can carry with at most f fusions.
  std::array<std::array<unsigned, MostPlanFusions + 1>, DemonIndexTotal> carriable_{};
  // Upper bounds on the skills a demon holds, levelled, when made with exactly b fusions (-1: it cannot be).
  std::array<std::array<int, DemonIndexTotal>, MostPlanFusions + 1> largestSize_{};
  Fillers fillers_ = Fillers::Canonical;
  Budget budget_;
  bool withMine_ = false;
  // The ways found so far, by filler choice and budget.
  std::map<PassKey, std::unordered_map<std::uint64_t, std::vector<Option>>> memo_;
  std::unordered_map<std::uint64_t, std::vector<Option>>* memoNow_ = nullptr;
  std::map<PassKey, std::unordered_map<std::uint64_t, std::vector<Made>>> made_;
  std::unordered_map<std::uint64_t, std::vector<Made>>* madeNow_ = nullptr;
  std::vector<Node> nodes_;
  LevelScratch scratch_;
  WorkBound bound_;
  std::size_t memoBytes_ = 0;  // what the memos hold, by their ways and fusions
  std::size_t waysBytes_ = 0;  // the ways being gathered
  bool cancelled_ = false;
  bool cut_ = false;
};

int demonIndex(DemonRef demon);
DemonRef demonAt(int index);
SkillBits innateSkills(DemonRef demon);    // the first list, "？" left out
SkillBits receivableSkills(DemonRef demon);  // what it may inherit, its first list excepted
SkillBits learnableSkills(DemonRef demon, int from, int to);  // what it learns levelling from `from` to `to`

}  // namespace qmoor::detail
