// The exact search behind planRoutes: for a growing number of fusions, every
// way of making the target hold the wanted skills, each kept only when no
// other way is at least as good in every respect that later steps can see.
//
// The model. A plan starts from demons taken at their base level holding
// their first list, or from my demons as they are. Any demon may be levelled
// up (never above the level cap), learning the skills of its second list at
// their levels; one already holding 8 forgets one of the player's choosing,
// and the player forgets skills the next step does not pass on, so a demon
// levelled from level s to l holds, for its parent, every skill of
// held ∪ learned(s, l] with min(8, |held ∪ learned|) skills in all. A fusion
// uses the materials' current levels: a normal fusion makes its result only
// when their sum falls in the result's level window. The result is made at
// its base level with its first list and what it inherits; the target may be
// levelled after it is made.
//
// Why the first plan is a shortest one. Plans are sought for 1, 2, 3, ...
// fusions in turn. For each number the search tries every fusion that makes
// a demon, every split of the fusions below it between its two materials,
// every split of the wanted skills it must pass on and every level pair that
// can matter, and drops a way of making a demon only when another way with
// as many fusions is at least as good for every step above it. That rests on
// three facts about a step A@a + B@b -> C:
//   * What a step sees of a material is only (a) the material's skills that C
//     may inherit or that the material learns by levelling (the pool is the
//     union of what C may inherit, C's own first list excepted; a skill the
//     material already holds is not learned again, which changes its count),
//     (b) how many skills it holds in all (the passing count
//     ⌊(|A| + |B| + 2.7) / 3.7⌋), (c) the level it starts from, and (d) what
//     its subtree costs: its highest level, the levels gained, the demons
//     taken at base level, which of my demons it uses and which demons.
//     When C is the target, (a) narrows to the wanted skills: C's pool
//     always holds the skills it must take, so its other skills only fill
//     slots nothing reads, and a material's other skills count only through
//     (b) and what the material learns.
//   * More never hurts: with pool P ⊆ P' and count n ≤ n', the number passed
//     m = min(count, 8 − |innate C|, |P|) grows to m' ≥ m, and any inherited
//     set I ⊆ P of size m extends to an I' ⊇ I of size m' inside P', so C
//     holds a superset, with as many skills; levelled alike, it still does.
//     By induction every later step and the target do at least as well.
//   * Levels matter only at a few points, though a higher level is no longer
//     always better: it learns more but can push a level sum out of a window,
//     and it raises the highest level and the levels gained. A material's
//     skills change only at its learn levels, so for any levels (x, y) that
//     make C, take x0 ≤ x and y0 ≤ y, the highest of its start and its learn
//     levels not above each. If x0 + y0 reaches the window, (x0, y0) holds
//     the same skills at lower levels. Otherwise the sum must be raised to
//     the window's lowest sum w: the split of w that keeps the higher level
//     lowest (one material at x0 or y0, or both near w / 2) costs exactly
//     w − x0 − y0 ≤ x + y − x0 − y0 levels, reaches no higher level than
//     (x, y) does, and holds at least the skills of (x0, y0). So the search
//     tries only those level pairs and loses nothing; spirit and phase
//     fusions ignore levels and try the learn levels alone. The target is
//     levelled to the lowest level that learns the wanted skills it did not
//     inherit, for each choice of which of them to learn.
// Which fillers a step takes is the one choice that makes the search costly,
// so each question "is there a plan of f fusions within budget b" is put to
// up to five passes (RouteSearch::Fillers; RouteSearch::PassRules is the
// table of what each does):
//   Optimistic: each material shows its parent every filler it could have
//     taken, more than it can hold, and counts every skill it learns as new;
//     the level pairs of a fusion are joined into one that shows all their
//     skills with the largest count and the least cost, and ways showing the
//     same wanted skills are joined into one that shows all their skills
//     with the larger count and the lower costs. By the facts above this
//     overestimates every real way, so when it finds no plan, none exists.
//   Canonical: one real choice (fillers the parent can take first),
//     levelling only to learn wanted skills or to meet a window, and of two
//     ways alike the one with the lower highest level kept; every plan it
//     finds is real and found fast.
//   Varied: the same choice of fillers with every learn level tried (a demon
//     levelled to learn skills nobody wants holds more, and so passes on
//     more); every plan it finds is real.
//   Optimistic per level: Optimistic with each level pair of a fusion kept
//     apart. Joined pairs let a material show the skills of its highest
//     level with a partner at its lowest, as if the sum could pass every
//     window; apart, each pair keeps its own sum. It still overestimates
//     every real way, so when it finds no plan, none exists; where
//     Optimistic cannot rule a budget out, this one nearly always can.
//   Every: every choice of the fillers that the parent can take or the
//     demon would learn is kept (the rest are interchangeable): exhaustive.
// The order (plansUnder): Optimistic; if it finds one, Canonical; if that
// finds none, Varied and then Optimistic per level; if the first finds none
// and the second one, Every. In a budget trial after the first of a key,
// where a plan is unlikely (the budget is below a plan just found), the
// closer optimistic look comes before the costly Varied pass.
// Ways joined by the optimistic passes always share their start level: every
// way made by a fusion starts at the demon's base level, and a start taken
// as it is (one of my demons) is never joined. Ways are compared only at
// one start level too (a way starting higher skips learn levels below it and
// gains fewer levels to reach the same one, so neither covers the other).
// Which level pairs are tried: in the passes that keep pairs apart and
// compare no highest levels (Varied, Every and Optimistic per level), with
// no budget of levels gained, a pair that another reaches or passes on both
// sides is dropped: higher levels hold every skill the lower ones do (what
// a demon learns only grows with its level) and as many in all, the level
// cap is checked on every pair, and nothing those passes compare grows with
// the levels, so the pair above serves every step above as well.
// A plan found by Canonical, Varied or Every answers "is there a plan" yes;
// only Optimistic, Optimistic per level or Every answer no. So the first
// number with plans is the fewest fusions, for certain. The pruning bounds (fusions to have a demon or to carry one wanted
// skill, and the largest skill count after b fusions and levelling) come from
// the same rules with the passing count, the pool or the level windows left
// out, so they never overstate what a plan can do.
//
// The order among plans of the fewest fusions: fewest demons not already
// mine, lowest highest level, fewest levels gained, fewest distinct demons.
// Each is a budget that only grows along a plan (a count of base-level
// starts and a sum of levels gained, each never less in a subtree than in
// the whole, the highest level, a maximum, and the demons used, a union), so
// "is there a plan within budget b" is answered by the same passes with
// every way that exceeds b dropped, and with the passes comparing ways also
// by what they spend of each budget in force: for the demons, a way beats
// another only when it uses a subset of its demons, since swapping them
// never adds a demon to the plan. The optimistic passes then join only ways
// and level pairs that spend as much of a count or a sum, or ways that use
// the same demons under a budget of demons (otherwise a join keeps the
// demons both use), so they still overestimate every real way. A plan
// within b is one within any larger b, so asking for a plan within one less
// than the best value found, until none is left, finds the least b of each
// key in turn, each under the ones before it. So the first plan is the best
// in every key; the plans after it are the others the passes found, in the
// same order.
//
// The bound on work (work_bound.h): every loop of the search asks whether
// it may go on, which is also how a cancel stops it. Until a plan of some
// length is known the search keeps to a share of its bound; a pass cut short
// answers nothing (its "none" is not a proof, its plans are still real), so
// a cut proof leaves the rest of the bound to the canonical pass alone, which
// gives a plan where it finds one with no key settled. Once a plan of the
// fewest fusions is known, the whole bound goes to the keys in their order,
// and a key whose trials are cut is unsettled with the keys after it.
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
#include "planner/demon_skills.h"
#include "planner/plan.h"
#include "planner/recipe_index.h"
#include "planner/skill_bits.h"
#include "planner/work_bound.h"

namespace qmoor::detail {

// The parent of the target's own materials, apart from any step that makes
// the same demon inside a plan.
inline constexpr int TargetStep = DemonIndexTotal;
// A budget of levels gained that binds nothing.
inline constexpr int UnboundedGain = std::numeric_limits<int>::max() / 4;
// The most skills a fusion passes on: ⌊(8 + 8 + 2.7) / 3.7⌋.
inline constexpr int MostPassed = 5;
// The fewest skills two materials must hold between them for `passed` skills to pass.
inline int leastTotalFor(int passed) {
  int total = 0;
  while (passingCount(total) < passed) ++total;
  return total;
}
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
  // What each pass does, one row a pass (passRules in route_search.cpp).
  struct PassRules {
    bool showsEveryFiller;        // a material shows its parent every filler it could take, and counts
                                  // every skill it learns as new: an overestimate, so it rules plans out
    bool joinsWays;               // alike ways of making a demon are joined into one
    bool joinsLevelPairs;         // the level pairs of one fusion are joined into one
    bool wantedLearnLevelsOnly;   // a material is levelled only to learn a wanted skill or meet a window
    bool dropsReachedLevelPairs;  // a level pair another reaches on both sides is dropped
    bool comparesWantedOnly;      // ways are compared by the wanted skills they show, one filler choice kept
    bool comparesHighestLevel;    // of two ways alike otherwise, the one with the lower highest level is kept
    bool everyFillerChoice;       // each choice of fillers the parent can take is kept apart
    bool stopsAtFirstPlan;        // one plan answers what the pass is asked
  };
  static const PassRules& rulesOf(Fillers fillers);
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
  struct Way {
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
  // The pass (its filler choice) and the budget that the ways of a memo were found under.
  struct PassKey {
    Fillers fillers = Fillers::Canonical;
    Budget budget;
    friend bool operator<(const PassKey& x, const PassKey& y) {
      return std::tuple(x.fillers, x.budget.key()) < std::tuple(y.fillers, y.budget.key());
    }
  };
  // What the fusions making a demon depend on within one pass: the demon,
  // the wanted skills it must pass on (mask bits), the fusions in its tree
  // and the fewest skills it must hold when made.
  struct MadeKey {
    int demon = 0;
    unsigned required = 0;
    int fusions = 0;
    int leastSize = 0;
    friend bool operator==(const MadeKey&, const MadeKey&) = default;
  };
  // The same, and the parent (a demon, or TargetStep) whose view of the ways
  // decides which are kept.
  struct WaysKey {
    MadeKey made;
    int parent = 0;
    friend bool operator==(const WaysKey&, const WaysKey&) = default;
  };
  struct KeyHash {
    std::size_t operator()(const MadeKey& key) const;
    std::size_t operator()(const WaysKey& key) const;
  };
  // One pass at one question, handed to every function of the search: its
  // filler choice and rules, the budget it keeps to, and the memos of the
  // ways and fusions it finds under them.
  struct Pass {
    Fillers fillers;
    const PassRules& rules;
    Budget budget;
    std::unordered_map<WaysKey, std::vector<Way>, KeyHash>& ways;
    std::unordered_map<MadeKey, std::vector<Made>, KeyHash>& made;
  };

  std::vector<Finished> finish(Fillers fillers, int fusions, const Budget& budget);
  template <class Visit>
  void combine(const Pass& pass, int demon, bool makesTarget, unsigned required, int fusions, int leastSize, Visit visit,
               const bool* done);
  template <class Visit>
  void fuseAtLevels(const Pass& pass, int demon, const MaterialFusion& fusion, const Way& x, const Way& y, unsigned maskA,
                    unsigned maskB, Visit& visit);
  const std::vector<Way>& solve(const Pass& pass, int demon, unsigned required, int fusions, int leastSize, int parent);
  const std::vector<Made>& fusionsOf(const Pass& pass, int demon, unsigned required, int fusions, int leastSize);
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
  const std::vector<Split>& splitsWithinCap(const Pass& pass, int demon, int fusions);
  // The ways of making one demon for one parent while they are gathered:
  // each kept only while no other covers it, found by the skills compared
  // (a way can cover only one that shows no skill it lacks), so a new way
  // meets only those that could cover it or that it could cover.
  struct Ways {
    // What a comparison of two ways reads first, kept apart from the ways
    // and side by side: most comparisons fail on it and read nothing more.
    struct Summary {
      std::uint64_t shownFolded = 0;  // the compared skills it shows, folded into one word
      int size = 0;
      int start = 0;
      int unlearned = 0;
      bool dropped = false;
    };
    std::vector<Way> gathered;
    std::vector<Summary> summaries;  // one for each way gathered
    std::vector<std::vector<int>> byCount;                          // by how many compared skills they show
    std::unordered_map<std::uint64_t, std::vector<int>> byShown;  // by the compared skills they show and their start
    std::unordered_map<std::uint64_t, std::vector<int>> byJoin;   // the optimistic passes' ways, by what joins them
    int lastCovering = -1;                                         // the way that covered the last one refused
    std::vector<Way> kept() const;
  };
  void addWay(const Pass& pass, Ways& ways, int demon, int parent, const Made& made);
  bool offer(const Pass& pass, Ways& ways, const Way& way, const SkillBits& compared);
  static Ways::Summary summaryOf(const Way& way, const SkillBits& compared);
  static bool mayCover(const Ways::Summary& big, const Ways::Summary& small);
  bool covers(const Pass& pass, const Way& big, const Way& small, const SkillBits& compared) const;
  // None when no plan exists; `unlikely` when the caller expects none.
  std::vector<Finished> plansUnder(int fusions, const Budget& budget, bool unlikely = false);
  std::vector<Finished> bestOfLength(int fusions, std::vector<Finished> found, PlanSettled& settled);
  SkillBits wantedBits(unsigned mask) const;
  SkillBits learnedBetween(int demon, int from, int to) const;  // learn level in (from, to]
  int sizeAfter(const Pass& pass, const Way& way, const SkillBits& learned) const;
  unsigned carriable(int demon, int fusions) const;
  bool stopRequested();
  std::size_t bytesHeld() const;
  void forgetMemos();
  void forgetWays();
  bool overDemonBudget(const Pass& pass, DemonSet demons, int also) const;
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
  bool withMine_ = false;
  // The ways found so far, by filler choice and budget; those of a budget no
  // later question asks under again are dropped (forgetMemos).
  std::map<PassKey, std::unordered_map<WaysKey, std::vector<Way>, KeyHash>> memo_;
  std::map<PassKey, std::unordered_map<MadeKey, std::vector<Made>, KeyHash>> made_;
  std::vector<Node> nodes_;
  LevelScratch scratch_;
  WorkBound bound_;
  std::size_t memoBytes_ = 0;  // what the memos hold, by their ways and fusions
  std::size_t waysBytes_ = 0;  // the ways being gathered
  bool cancelled_ = false;
  bool cut_ = false;
};

}  // namespace qmoor::detail
