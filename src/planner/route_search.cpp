// The exact route search.
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
// so each number of fusions is settled in up to five passes:
//   1. Optimistic: each material shows its parent every filler it could have
//      taken, more than it can hold, and counts every skill it learns as new;
//      the level pairs of a fusion are joined into one that shows all their
//      skills with the largest count and the least cost, and ways showing the
//      same wanted skills from the same start level are joined into one that
//      shows all their skills with the larger count and the lower costs. By
//      the facts above this overestimates every real way, so when it finds
//      no plan, none exists.
//   2. Canonical: one real choice (fillers the parent can take first),
//      levelling only to learn wanted skills or to meet a window; every plan
//      it finds is real and found fast.
//   3. Varied: when 2 finds none, the same choice of fillers with every
//      learn level tried (a demon levelled to learn skills nobody wants holds
//      more, and so passes on more); every plan it finds is real.
//   4. Optimistic per level: pass 1 with each level pair of a fusion kept
//      apart. Joined pairs let a material show the skills of its highest
//      level with a partner at its lowest, as if the sum could pass every
//      window; apart, each pair keeps its own sum. It still overestimates
//      every real way, so when it finds no plan, none exists; where 1 cannot
//      rule a budget out, this one nearly always can.
//   5. Every: when 1 and 4 find a plan and 2 and 3 none, every choice of the
//      fillers that the parent can take or the demon would learn is kept (the
//      rest are interchangeable): exhaustive.
// A plan found by 2, 3 or 5 answers "is there a plan" yes; only 1, 4 or 5
// answer no. So the first number with plans is the fewest fusions, for
// certain. The pruning bounds (fusions to have a demon or to carry one wanted
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
// same order. No key has a work allowance: most answers take a few
// milliseconds, but where only the exhaustive pass can say no, an answer may
// take seconds (the search stops at once when cancelled).
#include "planner/route_search.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <set>

#include "data/compendium.h"
#include "data/skill_inheritance.h"
#include "data/skill_learning.h"
#include "data/skills.h"

namespace qmoor::detail {
namespace {

constexpr int Unreachable = 1000;
constexpr int MostPassed = 5;  // ⌊(8 + 8 + 2.7) / 3.7⌋
constexpr int Unbounded = std::numeric_limits<int>::max() / 4;

// The fewest skills two materials must hold between them for `passed` skills to pass.
int leastTotalFor(int passed) {
  int total = 0;
  while (passingCount(total) < passed) ++total;
  return total;
}

// Calls visit with each subset of `items` of the given size.
void forEachSubset(const std::vector<int>& items, int size, const std::function<void(const SkillBits&)>& visit) {
  std::vector<int> chosen;
  std::function<void(std::size_t)> step = [&](std::size_t from) {
    if (static_cast<int>(chosen.size()) == size) {
      SkillBits bits;
      for (int skill : chosen) bits.add(skill);
      visit(bits);
      return;
    }
    for (std::size_t i = from; i + (size - chosen.size()) <= items.size(); ++i) {
      chosen.push_back(items[i]);
      step(i + 1);
      chosen.pop_back();
    }
  };
  step(0);
}

SkillBits firstOf(const SkillBits& from, int count) { return from.lowest(count); }

// A level of a demon's second list and the skills learned on reaching it.
struct LearnStep {
  int level = 0;
  SkillBits skills;
};

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
        auto at = std::find_if(steps.begin(), steps.end(), [&entry](const LearnStep& step) { return step.level == entry.level; });
        if (at == steps.end()) at = steps.insert(steps.end(), {entry.level, {}});
        at->skills.add(entry.skill);
      }
      std::sort(steps.begin(), steps.end(), [](const LearnStep& a, const LearnStep& b) { return a.level < b.level; });
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

namespace {

SkillBits learnedIn(int demon, int from, int to) {
  SkillBits learned;
  for (const LearnStep& step : demonSkillTables().learning[static_cast<std::size_t>(demon)]) {
    if (step.level > to) break;
    if (step.level > from) learned = learned | step.skills;
  }
  return learned;
}

}  // namespace

SkillBits learnableSkills(DemonRef demon, int from, int to) {
  return isOccupied(demon) ? learnedIn(demonIndex(demon), from, to) : SkillBits{};
}

RouteSearch::RouteSearch(const PlanRequest& request, const PlanControl& control)
    : request_(request), control_(control), target_(demonIndex(request.target)) {
  std::array<bool, DemonIndexTotal> excluded{};
  for (DemonRef demon : request.excluded) {
    if (isOccupied(demon)) excluded[demonIndex(demon)] = true;
  }
  std::array<bool, DemonIndexTotal> owned{};
  if (request.owned) {
    for (DemonRef demon : *request.owned) {
      if (isOccupied(demon)) owned[demonIndex(demon)] = true;
    }
  }
  const int limit = request.levelLimit;
  for (int i = 0; i < DemonIndexTotal; ++i) {
    const DemonRef demon = demonAt(i);
    if (!isOccupied(demon) || level(demon) > limit || excluded[i]) continue;
    usable_[i] = true;
    level_[i] = level(demon);
    innate_[i] = innateSkills(demon);
    innateCount_[i] = innate_[i].count();
    receivable_[i] = receivableSkills(demon);
    if (request.levelling) second_[i] = learnableSkills(demon, level_[i], limit);
    if (!request.onlyMine && (!request.owned || owned[i])) {
      startsOf_[i].push_back(static_cast<int>(starts_.size()));
      starts_.push_back({i, level_[i], innate_[i], -1});
    }
  }
  for (std::size_t k = 0; k < request.mine.size(); ++k) {
    const MyDemon& mine = request.mine[k];
    const int i = demonIndex(mine.demon);
    if (!usable_[i] || mine.level > limit) continue;
    SkillBits skills;
    for (int skill : mine.skills) skills.add(skill);
    startsOf_[i].push_back(static_cast<int>(starts_.size()));
    starts_.push_back({i, mine.level, skills, static_cast<int>(k)});
    withMine_ = true;
  }
  for (int i = 0; i < DemonIndexTotal; ++i) {
    if (!usable_[i]) continue;
    for (MaterialFusion fusion : fusionsMaking(demonAt(i), request.curse)) {
      const int a = demonIndex(fusion.first);
      const int b = demonIndex(fusion.second);
      fusion.highestSum = std::min(fusion.highestSum, 2 * limit);
      if (usable_[a] && usable_[b] && level_[a] + level_[b] <= fusion.highestSum) fusions_[i].push_back(fusion);
    }
  }
  for (int skill : request.skills) {
    wanted_.add(skill);
    if (!innate_[target_].contains(skill) && std::find(wantedList_.begin(), wantedList_.end(), skill) == wantedList_.end()) {
      wantedList_.push_back(skill);
    }
  }
  computeBounds();
  computeSizeBounds();
  for (int i = 0; i < DemonIndexTotal; ++i) {
    for (int fusions = 0; fusions <= MostPlanFusions; ++fusions) carriable_[i][fusions] = carriable(i, fusions);
  }
}

// Lower bounds by relaxation, improved round by round: after r rounds every
// value reached by a tree of height r is exact, and every value is always
// reached by some relaxed tree, so it never undercuts the truth.
void RouteSearch::computeBounds() {
  fusionsToMake_.fill(Unreachable);
  fusionsToCarry_.assign(wantedList_.size(), {});
  for (auto& bound : fusionsToCarry_) bound.fill(Unreachable);
  for (const Start& start : starts_) {
    fusionsToMake_[start.demon] = 0;
    for (std::size_t w = 0; w < wantedList_.size(); ++w) {
      if (start.skills.contains(wantedList_[w]) || second_[start.demon].contains(wantedList_[w])) {
        fusionsToCarry_[w][start.demon] = 0;
      }
    }
  }
  // A round that lowers no bound leaves them all where the next rounds would too.
  bool lowered = true;
  for (int round = 0; round < request_.maxFusions && lowered; ++round) {
    lowered = false;
    auto lower = [&lowered](int& bound, int value) {
      if (value < bound) {
        bound = value;
        lowered = true;
      }
    };
    for (int i = 0; i < DemonIndexTotal; ++i) {
      for (const MaterialFusion& fusion : fusions_[i]) {
        const int a = demonIndex(fusion.first);
        const int b = demonIndex(fusion.second);
        lower(fusionsToMake_[i], 1 + fusionsToMake_[a] + fusionsToMake_[b]);
      }
      for (std::size_t w = 0; w < wantedList_.size(); ++w) {
        int& bound = fusionsToCarry_[w][i];
        if (innate_[i].contains(wantedList_[w]) || second_[i].contains(wantedList_[w])) {
          lower(bound, fusionsToMake_[i]);
        } else if (receivable_[i].contains(wantedList_[w])) {
          for (const MaterialFusion& fusion : fusions_[i]) {
            const int a = demonIndex(fusion.first);
            const int b = demonIndex(fusion.second);
            lower(bound, 1 + std::min(fusionsToCarry_[w][a] + fusionsToMake_[b], fusionsToMake_[a] + fusionsToCarry_[w][b]));
          }
        }
      }
    }
  }
}

// The skill count of a demon made with b fusions and levelled is its first
// list plus what passes plus what it learns, which the passing count of the
// largest materials and its second list bound.
void RouteSearch::computeSizeBounds() {
  for (auto& sizes : largestSize_) sizes.fill(-1);
  for (const Start& start : starts_) {
    const int size = std::min(HeldSkillLimit, (start.skills | second_[start.demon]).count());
    largestSize_[0][start.demon] = std::max(largestSize_[0][start.demon], size);
  }
  for (int fusions = 1; fusions <= request_.maxFusions; ++fusions) {
    for (int i = 0; i < DemonIndexTotal; ++i) {
      const int learns = second_[i].count();
      auto sizeFrom = [&](int materialsTotal) {
        const int made = innateCount_[i] + std::min(passingCount(materialsTotal), HeldSkillLimit - innateCount_[i]);
        return std::min(HeldSkillLimit, made + learns);
      };
      // The largest materials' total that can raise the size further: beyond it the scan may stop.
      const int enough = leastTotalFor(std::min(MostPassed, HeldSkillLimit - innateCount_[i]));
      int bestTotal = -1;
      for (const MaterialFusion& fusion : fusions_[i]) {
        const int a = demonIndex(fusion.first);
        const int b = demonIndex(fusion.second);
        for (int fusionsA = 0; fusionsA < fusions; ++fusionsA) {
          const int sizeA = largestSize_[fusionsA][a];
          const int sizeB = largestSize_[fusions - 1 - fusionsA][b];
          if (sizeA >= 0 && sizeB >= 0) bestTotal = std::max(bestTotal, sizeA + sizeB);
        }
        if (bestTotal >= enough) break;
      }
      largestSize_[fusions][i] = bestTotal < 0 ? -1 : sizeFrom(bestTotal);
    }
  }
}

SkillBits RouteSearch::wantedBits(unsigned mask) const {
  SkillBits bits;
  for (std::size_t w = 0; w < wantedList_.size(); ++w) {
    if (mask >> w & 1) bits.add(wantedList_[w]);
  }
  return bits;
}

SkillBits RouteSearch::learnedBetween(int demon, int from, int to) const {
  if (!request_.levelling || to <= from) return {};
  return learnedIn(demon, from, to);
}

// How many skills a way holds once it has learned `learned`: a skill it holds
// already is not learned again. The optimistic passes count every one as new.
int RouteSearch::sizeAfter(const Option& option, const SkillBits& learned) const {
  const int added = optimistic() ? learned.count() : learned.without(option.visible).count();
  return std::min(HeldSkillLimit, option.size + added);
}

// The wanted skills (as mask bits) the demon can hold with `fusions` fusions
// in its tree, by the bounds; none when it cannot be had at all.
unsigned RouteSearch::carriable(int demon, int fusions) const {
  if (fusionsToMake_[demon] > fusions) return 0;
  unsigned mask = 0;
  for (std::size_t w = 0; w < wantedList_.size(); ++w) {
    if (fusionsToCarry_[w][demon] <= fusions) mask |= 1u << w;
  }
  return mask;
}

// The skills a parent (a demon, or TargetStep for the step that makes the
// target) may take from a material that can matter to the plan.
// The target needs only the wanted skills: whatever else its materials pass
// on fills slots nobody reads, since its count of passing skills comes from
// the materials' sizes and its pool always holds the skills it must take.
// So a material of the target shows only those, and its other fillers count
// only for what the material itself learns (see addOption).
SkillBits RouteSearch::takeableBy(int parent) const {
  return parent == TargetStep ? receivable_[target_] & wanted_ : receivable_[parent];
}

// What a node of a plan holds when fused at `level`: what it was taken or
// made with, and what it learned on the way.
SkillBits RouteSearch::heldAt(int node, int level) const {
  const Node& at = nodes_[static_cast<std::size_t>(node)];
  if (at.first < 0) {
    const Start& from = starts_[static_cast<std::size_t>(at.start)];
    return from.skills | learnedBetween(at.demon, from.level, level);
  }
  return innate_[at.demon] | at.inherited | learnedBetween(at.demon, level_[at.demon], level);
}

// Whether a plan holding these demons, `also` and the target holds more
// distinct demons than the budget allows.
bool RouteSearch::overDemonBudget(DemonSet demons, int also) const {
  if (budget_.demons >= DemonIndexTotal) return false;
  if (also != TargetStep) demons.set(static_cast<std::size_t>(also));
  demons.set(static_cast<std::size_t>(target_));
  return static_cast<int>(demons.count()) > budget_.demons;
}

bool RouteSearch::stopRequested() {
  if (control_.cancel && control_.cancel->load(std::memory_order_relaxed)) cancelled_ = true;
  return cancelled_;
}

// The ways of making the demon with exactly `fusions` fusions in its tree
// whose materials and level window fit the level cap in force: each fusion
// with each split of the fusions below it between its materials that can
// have them. They are worked out once per demon, number and cap, as the
// search runs through them for every way it gathers.
const std::vector<RouteSearch::Split>& RouteSearch::splitsWithinCap(int demon, int fusions) {
  const auto at = static_cast<std::size_t>(demon);
  const auto count = static_cast<std::size_t>(fusions);
  const int cap = budget_.levelCap;
  std::vector<Split>& splits = splits_[at][count];
  if (splitsCap_[at][count] == cap) return splits;
  splitsCap_[at][count] = cap;
  splits.clear();
  const std::vector<MaterialFusion>& all = fusions_[at];
  for (std::size_t k = 0; k < all.size(); ++k) {
    const MaterialFusion& fusion = all[k];
    const int a = demonIndex(fusion.first);
    const int b = demonIndex(fusion.second);
    if (level_[a] > cap || level_[b] > cap || fusion.lowestSum > 2 * cap) continue;
    for (int fusionsA = 0; fusionsA < fusions; ++fusionsA) {
      const int fusionsB = fusions - 1 - fusionsA;
      const int sizeA = largestSize_[fusionsA][a];
      const int sizeB = largestSize_[fusionsB][b];
      if (sizeA < 0 || sizeB < 0 || fusionsToMake_[a] > fusionsA || fusionsToMake_[b] > fusionsB) continue;
      splits.push_back({static_cast<int>(k), a, b, fusionsA, fusionsB, sizeA, sizeB,
                        carriable_[a][fusionsA], carriable_[b][fusionsB]});
    }
  }
  return splits;
}

// Every step that makes `demon` with exactly `fusions` fusions in its tree,
// passes on the wanted skills of `required` that it does not hold itself and
// leaves it holding at least `leastSize` skills when made.
template <class Visit>
void RouteSearch::combine(int demon, bool makesTarget, unsigned required, int fusions, int leastSize, Visit visit,
                          const bool* done) {
  const int parent = makesTarget ? TargetStep : demon;
  unsigned passMask = 0;
  for (std::size_t w = 0; w < wantedList_.size(); ++w) {
    if ((required >> w & 1) && !innate_[demon].contains(wantedList_[w])) passMask |= 1u << w;
  }
  const SkillBits passed = wantedBits(passMask);
  const int leastCount = std::max(passed.count(), leastSize - innateCount_[demon]);
  if (!passed.isSubsetOf(receivable_[demon]) ||
      leastCount > std::min(MostPassed, HeldSkillLimit - innateCount_[demon])) {
    return;
  }
  const int leastTotal = leastTotalFor(leastCount);
  if (level_[demon] > budget_.levelCap) return;
  auto visitIfEnough = [&](const Made& made) {
    if (made.count >= leastCount) visit(made);
  };
  for (const Split& split : splitsWithinCap(demon, fusions)) {
    if (stopRequested() || (done && *done)) return;
    if (split.sizeA + split.sizeB < leastTotal) continue;
    const MaterialFusion& fusion = fusions_[demon][static_cast<std::size_t>(split.fusion)];
    // Each split of the skills to pass between the materials that both
    // can carry: what b cannot carry must come from a, the rest either way.
    const unsigned carryA = split.carriableA & passMask;
    const unsigned fromA = passMask & ~split.carriableB;
    if ((fromA & ~carryA) != 0) continue;
    const unsigned eitherWay = carryA & ~fromA;
    for (unsigned extra = eitherWay;; extra = (extra - 1) & eitherWay) {
      const unsigned maskA = fromA | extra;
      const unsigned maskB = passMask & ~maskA;
      const std::vector<Option>& waysA = solve(split.a, maskA, split.fusionsA, leastTotal - split.sizeB, parent);
      const std::vector<Option>& waysB =
          waysA.empty() ? waysA : solve(split.b, maskB, split.fusionsB, leastTotal - split.sizeA, parent);
      for (const Option& x : waysA) {
        for (const Option& y : waysB) {
          fuseAtLevels(demon, fusion, x, y, maskA, maskB, visitIfEnough);
          if (done && *done) return;
        }
      }
      if (extra == 0) break;
    }
  }
}

// The fusion of two ways at every level pair that can matter (see the notes
// above): each material at its start or one of its learn levels, the sum
// raised to the window's lowest sum where it falls short.
template <class Visit>
void RouteSearch::fuseAtLevels(int demon, const MaterialFusion& fusion, const Option& x, const Option& y,
                               unsigned maskA, unsigned maskB, Visit& visit) {
  if (withMine_ && (x.mine & y.mine).any()) return;
  if (overDemonBudget(x.demons | y.demons, demon)) return;
  const int notMine = x.notMine + y.notMine;
  if (notMine > budget_.notMine) return;
  const int a = demonIndex(fusion.first);
  const int b = demonIndex(fusion.second);
  const int cap = budget_.levelCap;
  const SkillBits neededA = wantedBits(maskA);
  const SkillBits neededB = wantedBits(maskB);
  // What a fusion of these two ways is whatever the levels.
  auto finishMade = [&](Made& made) {
    made.passed = (neededA | neededB).without(innate_[demon]);
    made.notMine = notMine;
    made.mine = x.mine | y.mine;
    made.demons = x.demons | y.demons;
    made.demons.set(static_cast<std::size_t>(demon));
    made.kind = fusion.kind;
    made.first = x.node;
    made.second = y.node;
  };
  // The first optimistic pass joins every level pair into one fusion that
  // shows all their skills with the largest count and the least cost; the
  // one per level keeps them apart.
  const bool joinAll = fillers_ == Fillers::Optimistic;
  // Under a budget of levels gained, only pairs that gain as many are
  // joined: a join of a cheap pair and a rich one would be both, and could
  // not rule that budget out.
  std::vector<Join>& joins = scratch_.joins;
  joins.clear();
  const bool joinByGained = budget_.levelsGained < Unbounded;
  const int room = HeldSkillLimit - innateCount_[demon];
  // What each material shows and holds at a level, worked out once a level:
  // the level pairs below share their levels.
  std::vector<AtLevel>& knownA = scratch_.knownA;
  std::vector<AtLevel>& knownB = scratch_.knownB;
  knownA.clear();
  knownB.clear();
  auto atLevel = [&](std::vector<AtLevel>& known, int material, const Option& way, int level) {
    for (const AtLevel& seen : known) {
      if (seen.level == level) return seen;
    }
    const SkillBits learned = learnedBetween(material, way.start, level);
    known.push_back({level, way.visible | learned, sizeAfter(way, learned)});
    return known.back();
  };
  auto tryLevels = [&](int levelA, int levelB) {
    if (levelA > cap || levelB > cap) return;
    const int gained = x.levelsGained + y.levelsGained + (levelA - x.start) + (levelB - y.start);
    if (gained > budget_.levelsGained) return;
    const AtLevel atA = atLevel(knownA, a, x, levelA);
    const AtLevel atB = atLevel(knownB, b, y, levelB);
    const SkillBits& skillsA = atA.skills;
    const SkillBits& skillsB = atB.skills;
    const int count = std::min(passingCount(atA.size + atB.size), room);
    const int highest = std::max({x.highestLevel, y.highestLevel, levelA, levelB, level_[demon]});
    if (joinAll) {
      const int joinKey = joinByGained ? gained : 0;
      auto join = std::find_if(joins.begin(), joins.end(), [joinKey](const Join& j) { return j.gained == joinKey; });
      if (join == joins.end()) {
        joins.push_back({joinKey, Made{{}, {}, count, highest, gained, 0, {}, {}, FusionKind::Normal, 0, 0, 0, 0}, {}, {}});
        join = std::prev(joins.end());
      } else {
        join->made.count = std::max(join->made.count, count);
        join->made.highestLevel = std::min(join->made.highestLevel, highest);
        join->made.levelsGained = std::min(join->made.levelsGained, gained);
      }
      join->seenA = join->seenA | skillsA;
      join->seenB = join->seenB | skillsB;
      return;
    }
    if (!neededA.isSubsetOf(skillsA) || !neededB.isSubsetOf(skillsB)) return;
    Made made;
    made.pool = (skillsA | skillsB) & receivable_[demon];
    made.count = std::min(count, made.pool.count());
    made.highestLevel = highest;
    made.levelsGained = gained;
    made.firstLevel = levelA;
    made.secondLevel = levelB;
    finishMade(made);
    visit(made);
  };
  // The levels worth trying: the start and each learn level, or for the
  // canonical pass, which only seeks good plans fast, those that learn a
  // wanted skill.
  auto stages = [&](std::vector<int>& levels, int material, int start) {
    levels.assign(1, start);
    if (!request_.levelling) return;
    for (const LearnStep& step : demonSkillTables().learning[static_cast<std::size_t>(material)]) {
      if (step.level > cap) break;
      if (step.level > start && (fillers_ != Fillers::Canonical || !(step.skills & wanted_).empty())) {
        levels.push_back(step.level);
      }
    }
  };
  std::vector<int>& stagesA = scratch_.stagesA;
  std::vector<int>& stagesB = scratch_.stagesB;
  stages(stagesA, a, x.start);
  stages(stagesB, b, y.start);
  const int low = fusion.lowestSum;
  std::vector<std::pair<int, int>>& pairs = scratch_.pairs;
  pairs.clear();
  for (int levelA : stagesA) {
    for (int levelB : stagesB) {
      const int sum = levelA + levelB;
      if (sum > fusion.highestSum) continue;
      if (sum >= low) {
        pairs.push_back({levelA, levelB});
      } else if (request_.levelling) {
        const int upperHalf = (low + 1) / 2;
        if (levelA >= upperHalf) {
          pairs.push_back({levelA, low - levelA});
        } else if (levelB >= upperHalf) {
          pairs.push_back({low - levelB, levelB});
        } else {
          pairs.push_back({upperHalf, low - upperHalf});
          if (low % 2 != 0) pairs.push_back({low - upperHalf, upperHalf});
        }
      }
    }
  }
  // Where only the level cap counts, in a pass that keeps level pairs apart
  // and compares no highest levels (all but the canonical one) without a
  // budget of levels gained, higher levels hold more and cost nothing: a
  // pair that another pair reaches or passes on both sides adds nothing.
  const bool pairsApart =
      fillers_ == Fillers::OptimisticPerLevel || fillers_ == Fillers::Varied || fillers_ == Fillers::Every;
  if (pairsApart && budget_.levelsGained >= Unbounded) {
    // Pairs above the cap are tried in vain. Of the rest, taken by the first
    // level and then the second, both falling, a pair is reached on both
    // sides by another exactly when an earlier one has as high a second level.
    std::erase_if(pairs, [cap](const std::pair<int, int>& pair) { return pair.first > cap || pair.second > cap; });
    std::vector<std::pair<int, int>>& highest = scratch_.highestPairs;
    highest = pairs;
    std::sort(highest.begin(), highest.end(), std::greater{});
    highest.erase(std::unique(highest.begin(), highest.end()), highest.end());
    std::size_t reachedByNone = 0;
    for (const std::pair<int, int>& pair : highest) {
      if (reachedByNone == 0 || pair.second > highest[reachedByNone - 1].second) highest[reachedByNone++] = pair;
    }
    highest.resize(reachedByNone);
    std::erase_if(pairs, [&](const std::pair<int, int>& pair) { return std::find(highest.begin(), highest.end(), pair) == highest.end(); });
  }
  for (const auto& [levelA, levelB] : pairs) tryLevels(levelA, levelB);
  for (Join& join : joins) {
    if (!neededA.isSubsetOf(join.seenA) || !neededB.isSubsetOf(join.seenB)) continue;
    Made& joined = join.made;
    joined.pool = (join.seenA | join.seenB) & receivable_[demon];
    joined.count = std::min(joined.count, joined.pool.count());
    joined.firstLevel = x.start;
    joined.secondLevel = y.start;
    finishMade(joined);
    visit(joined);
  }
}

const std::vector<RouteSearch::Option>& RouteSearch::solve(int demon, unsigned required, int fusions, int leastSize,
                                                           int parent) {
  // A wanted skill the demon learns may come from levelling, which its
  // parent chooses and checks; a fused demon always holds its first list.
  for (std::size_t w = 0; w < wantedList_.size(); ++w) {
    if (second_[demon].contains(wantedList_[w])) required &= ~(1u << w);
  }
  leastSize = std::max(0, leastSize - second_[demon].count());
  leastSize = leastSize <= innateCount_[demon] ? 0 : std::min(leastSize, HeldSkillLimit + 1);
  const std::uint64_t key =
      (((static_cast<std::uint64_t>(demon) * 256 + required) * 8 + fusions) * (HeldSkillLimit + 2) + leastSize) *
          (TargetStep + 1) +
      parent;
  auto& memo = *memoNow_;
  if (const auto found = memo.find(key); found != memo.end()) return found->second;
  Ways ways;
  const SkillBits relevant = takeableBy(parent) | second_[demon];
  if (fusions == 0) {
    for (int s : startsOf_[demon]) {
      Start& start = starts_[static_cast<std::size_t>(s)];
      const int notMine = start.mine < 0 ? 1 : 0;
      if (start.level > budget_.levelCap || notMine > budget_.notMine) continue;
      if (start.node < 0) {
        start.node = static_cast<int>(nodes_.size());
        nodes_.push_back({demon, -1, -1, FusionKind::Normal, {}, 0, 0, s});
      }
      Option option{start.skills & relevant, start.skills.count(), start.level, start.level, 0, notMine, {}, {}, start.node, 0};
      if (start.mine >= 0) option.mine.set(static_cast<std::size_t>(start.mine));
      option.demons.set(static_cast<std::size_t>(demon));
      ways.options.push_back(option);
    }
  } else if (leastSize <= HeldSkillLimit) {
    for (const Made& made : fusionsOf(demon, required, fusions, leastSize)) {
      if (stopRequested()) break;
      addOption(ways, demon, parent, made);
    }
  }
  return memo.emplace(key, fusions == 0 ? std::move(ways.options) : ways.kept()).first->second;
}

// The fusions that make a demon do not depend on the parent that will use
// it, only the fillers it keeps do, so they are gathered once per pass.
const std::vector<RouteSearch::Made>& RouteSearch::fusionsOf(int demon, unsigned required, int fusions, int leastSize) {
  const std::uint64_t key = ((static_cast<std::uint64_t>(demon) * 256 + required) * 8 + fusions) * (HeldSkillLimit + 2) +
                            static_cast<std::uint64_t>(leastSize);
  auto& memo = *madeNow_;
  if (const auto found = memo.find(key); found != memo.end()) return found->second;
  std::vector<Made> made;
  combine(demon, false, required, fusions, leastSize, [&](const Made& one) { made.push_back(one); }, nullptr);
  return memo.emplace(key, std::move(made)).first->second;
}

// Whether `big` serves every step above as well as `small` does.
bool RouteSearch::covers(const Option& big, const Option& small, const SkillBits& compared) const {
  // Holding fewer of the skills it will learn leaves more to learn.
  if (small.size > big.size || small.start != big.start || small.unlearned > big.unlearned ||
      !(small.visible & compared).isSubsetOf(big.visible)) {
    return false;
  }
  if (withMine_ && (big.mine & ~small.mine).any()) return false;
  if (big.notMine > small.notMine && budget_.notMine < DemonIndexTotal) return false;
  if (big.levelsGained > small.levelsGained && budget_.levelsGained < Unbounded) return false;
  if (budget_.demons < DemonIndexTotal && (big.demons & ~small.demons).any()) return false;
  // The other passes answer whether a plan fits the level cap, which each
  // way meets already (the budget trials then find the lowest levels); the
  // canonical pass, which seeks good plans fast, keeps the lower way.
  return fillers_ != Fillers::Canonical || big.highestLevel <= small.highestLevel;
}

// Adds the way unless another covers it, and drops those it covers; false
// when it is covered.
bool RouteSearch::offer(Ways& ways, const Option& option, const SkillBits& compared) {
  const SkillBits shown = option.visible & compared;
  const auto count = static_cast<std::size_t>(shown.count());
  const std::uint64_t shownKey = shown.hash() ^ static_cast<std::uint64_t>(option.start);
  const auto sameAt = ways.byShown.find(shownKey);
  auto coveredBy = [&](int i) {
    if (ways.dropped[static_cast<std::size_t>(i)] || !covers(ways.options[static_cast<std::size_t>(i)], option, compared)) {
      return false;
    }
    ways.lastCovering = i;
    return true;
  };
  // Ways offered one after another are often alike, so the way that covered
  // the last one is asked first.
  bool covered = ways.lastCovering >= 0 && coveredBy(ways.lastCovering);
  if (!covered && sameAt != ways.byShown.end()) covered = std::any_of(sameAt->second.begin(), sameAt->second.end(), coveredBy);
  for (std::size_t c = count + 1; !covered && c < ways.byCount.size(); ++c) {
    covered = std::any_of(ways.byCount[c].begin(), ways.byCount[c].end(), coveredBy);
  }
  if (covered) return false;
  auto dropIfCovered = [&](int i) {
    const auto at = static_cast<std::size_t>(i);
    if (!ways.dropped[at] && covers(option, ways.options[at], compared)) ways.dropped[at] = 1;
  };
  std::vector<int>& same = sameAt != ways.byShown.end() ? sameAt->second : ways.byShown[shownKey];
  std::for_each(same.begin(), same.end(), dropIfCovered);
  for (std::size_t c = 0; c < std::min(count, ways.byCount.size()); ++c) std::for_each(ways.byCount[c].begin(), ways.byCount[c].end(), dropIfCovered);
  const int index = static_cast<int>(ways.options.size());
  ways.options.push_back(option);
  ways.dropped.push_back(0);
  if (ways.byCount.size() <= count) ways.byCount.resize(count + 1);
  ways.byCount[count].push_back(index);
  same.push_back(index);
  return true;
}

std::vector<RouteSearch::Option> RouteSearch::Ways::kept() const {
  std::vector<Option> alive;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (!dropped[i]) alive.push_back(options[i]);
  }
  return alive;
}

// The ways of making `demon` at one step, seen from its parent: the wanted
// skills it must pass, plus fillers. Fillers the parent may take are kept in
// every combination that fits. Of the others, one the demon would learn
// anyway is worth less than one it would not (levelled past its learn level
// the demon gains nothing), and of two it would learn, the one learned later
// is worth more; so those are taken last, latest learned first, and the rest
// are interchangeable.
void RouteSearch::addOption(Ways& ways, int demon, int parent, const Made& made) {
  const int room = made.count - made.passed.count();
  const SkillBits takeable = takeableBy(parent);
  const SkillBits relevant = takeable | second_[demon];
  const SkillBits rest = made.pool.without(made.passed);
  const SkillBits useful = rest & takeable;
  const SkillBits plain = rest.without(relevant);
  // The best `count` fillers that the parent cannot take.
  auto others = [&](int count) {
    SkillBits chosen = firstOf(plain, count);
    if (chosen.count() == count) return chosen;
    std::vector<int> learnedLater = (rest & second_[demon]).without(useful).list();
    std::sort(learnedLater.begin(), learnedLater.end(), [&](int a, int b) {
      return learnLevel(demonAt(demon), a) > learnLevel(demonAt(demon), b);
    });
    for (std::size_t i = 0; chosen.count() < count && i < learnedLater.size(); ++i) chosen.add(learnedLater[i]);
    return chosen;
  };
  const bool oneEach = fillers_ == Fillers::Canonical || fillers_ == Fillers::Varied;
  const SkillBits compared = (oneEach ? wanted_ : takeable) | second_[demon];
  if (overDemonBudget(made.demons, parent)) return;
  auto keep = [&](const SkillBits& inherited) {
    const SkillBits shown = optimistic() ? inherited | (rest & relevant) : inherited;
    Option option{(innate_[demon] | shown) & relevant, innateCount_[demon] + made.count, level_[demon],
                  made.highestLevel, made.levelsGained, made.notMine, made.mine, made.demons, 0, 0};
    // Joining two ways into one that shows both's skills, holds the larger
    // count and spends the least of each overestimates both, as the
    // optimistic passes may. Under a budget of demons not mine, of levels
    // gained or of demons, only ways that spend alike are joined: a join of
    // a cheap way and a rich one would be both, and could not rule that
    // budget out.
    const bool byNotMine = budget_.notMine < DemonIndexTotal;
    const bool byGained = budget_.levelsGained < Unbounded;
    const bool byDemons = budget_.demons < DemonIndexTotal;
    const std::uint64_t joinKey = !optimistic() ? 0
                                                : (option.visible & wanted_).hash() ^
                                                      (static_cast<std::uint64_t>(byNotMine ? option.notMine : 0) << 40) ^
                                                      (static_cast<std::uint64_t>(byGained ? option.levelsGained : 0) << 20) ^
                                                      (byDemons ? std::hash<DemonSet>{}(option.demons) : 0);
    const auto alike = optimistic() ? ways.byJoin.find(joinKey) : ways.byJoin.end();
    if (alike != ways.byJoin.end()) {
      for (int i : alike->second) {
        Option& other = ways.options[static_cast<std::size_t>(i)];
        if (!ways.dropped[static_cast<std::size_t>(i)] && (other.visible & wanted_) == (option.visible & wanted_) &&
            (!byNotMine || other.notMine == option.notMine) && (!byGained || other.levelsGained == option.levelsGained) &&
            (!byDemons || other.demons == option.demons)) {
          other.visible = other.visible | option.visible;
          other.size = std::max(other.size, option.size);
          other.highestLevel = std::min(other.highestLevel, option.highestLevel);
          other.levelsGained = std::min(other.levelsGained, option.levelsGained);
          other.notMine = std::min(other.notMine, option.notMine);
          other.mine &= option.mine;
          other.demons &= option.demons;
          other.unlearned = other.size - (other.visible & second_[demon]).count();
          return;
        }
      }
    }
    option.unlearned = option.size - (option.visible & second_[demon]).count();
    if (!offer(ways, option, compared)) return;
    if (optimistic()) ways.byJoin[joinKey].push_back(static_cast<int>(ways.options.size()) - 1);
    ways.options.back().node = static_cast<int>(nodes_.size());
    nodes_.push_back({demon, made.first, made.second, made.kind, inherited, made.firstLevel, made.secondLevel, -1});
  };
  const int most = std::min(room, useful.count());
  if (fillers_ == Fillers::Every) {
    // Fewer of the fillers the parent may take matters only when the demon would learn one of them.
    const int least = (useful & second_[demon]).empty() ? most : std::max(0, room - (rest.count() - useful.count()));
    const std::vector<int> choices = useful.list();
    for (int taken = least; taken <= most; ++taken) {
      forEachSubset(choices, taken, [&](const SkillBits& chosen) {
        // A demon with many fillers to choose from has very many choices: a cancel must not wait for them all.
        if (!stopRequested()) keep(made.passed | chosen | others(room - taken));
      });
    }
  } else {
    keep(made.passed | firstOf(useful, most) | others(room - most));
  }
}

std::vector<RouteSearch::Finished> RouteSearch::finish(Fillers fillers, int fusions, const Budget& budget) {
  fillers_ = fillers;
  budget_ = budget;
  const PassKey passKey = std::tuple_cat(std::tuple(static_cast<int>(fillers)), budget.key());
  memoNow_ = &memo_[passKey];
  madeNow_ = &made_[passKey];
  std::vector<Finished> finished;
  bool done = false;
  // The target learns, after it is made, the wanted skills of its second
  // list up to some level; each such level leaves the rest to inheritance.
  std::vector<int> levels{level_[target_]};
  for (std::size_t w = 0; w < wantedList_.size(); ++w) {
    for (const LearnedSkill& entry : learnedSkills(request_.target)) {
      if (entry.skill == wantedList_[w] && request_.levelling && entry.level <= budget.levelCap) {
        levels.push_back(entry.level);
      }
    }
  }
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  for (int learnUpTo : levels) {
    const SkillBits learned = learnedBetween(target_, level_[target_], learnUpTo);
    unsigned required = 0;
    for (std::size_t w = 0; w < wantedList_.size(); ++w) {
      if (!learned.contains(wantedList_[w])) required |= 1u << w;
    }
    combine(target_, true, required, fusions, 0,
            [&](const Made& made) {
              // The materials showed the target only the skills it wants;
              // the plan lists what the rules pass from all they hold.
              const SkillBits heldA = heldAt(made.first, made.firstLevel);
              const SkillBits heldB = heldAt(made.second, made.secondLevel);
              const SkillBits pool = (heldA | heldB) & receivable_[target_];
              const int passing = std::min({passingCount(std::min(HeldSkillLimit, heldA.count()) +
                                                         std::min(HeldSkillLimit, heldB.count())),
                                            HeldSkillLimit - innateCount_[target_], pool.count()});
              const SkillBits inherited =
                  made.passed | firstOf(pool.without(made.passed), std::max(0, passing - made.passed.count()));
              // The level the target must reach to learn what it did not inherit.
              int targetLevel = level_[target_];
              for (const LearnedSkill& entry : learnedSkills(request_.target)) {
                if (wanted_.contains(entry.skill) && !innate_[target_].contains(entry.skill) &&
                    !inherited.contains(entry.skill)) {
                  targetLevel = std::max(targetLevel, entry.level);
                }
              }
              const int gained = made.levelsGained + targetLevel - level_[target_];
              if (targetLevel > budget.levelCap || gained > budget.levelsGained) return;
              const int node = static_cast<int>(nodes_.size());
              nodes_.push_back({target_, made.first, made.second, made.kind, inherited, made.firstLevel,
                                made.secondLevel, -1});
              finished.push_back({node, targetLevel, made.notMine, std::max(made.highestLevel, targetLevel), gained,
                                  static_cast<int>(made.demons.count())});
              done = optimistic();
            },
            &done);
    if (done || stopRequested()) break;
  }
  return finished;
}

// A plan of `fusions` steps within the budget exists only if the optimistic
// search finds one. The canonical search then finds real plans fast, the
// varied one those that need other fillers or levels. The optimistic search
// with level pairs kept apart looks closer: when it finds none, no plan
// exists either. Only when it finds one and the real searches none does the
// search try every filler choice. Where a plan is unlikely (a budget below
// a plan just found), the closer look comes before the costly varied search.
std::vector<RouteSearch::Finished> RouteSearch::plansUnder(int fusions, const Budget& budget, bool unlikely) {
  if (finish(Fillers::Optimistic, fusions, budget).empty()) return {};
  std::vector<Finished> finished = finish(Fillers::Canonical, fusions, budget);
  if (!finished.empty()) return finished;
  auto closerLookFindsNone = [&] { return finish(Fillers::OptimisticPerLevel, fusions, budget).empty(); };
  if (unlikely && closerLookFindsNone()) return {};
  finished = finish(Fillers::Varied, fusions, budget);
  if (!finished.empty() || (!unlikely && closerLookFindsNone())) return finished;
  return finish(Fillers::Every, fusions, budget);
}

// Adds to the plans found of the fewest fusions the best of them for certain:
// the least budget of each key in turn, under the ones before it (see the
// notes at the top).
std::vector<RouteSearch::Finished> RouteSearch::bestOfLength(int fusions, std::vector<Finished> found) {
  Budget budget{request_.levelLimit, DemonIndexTotal, Unbounded};
  auto within = [&](const Finished& f) {
    return f.notMine <= budget.notMine && f.highestLevel <= budget.levelCap && f.levelsGained <= budget.levelsGained &&
           f.distinctDemons <= budget.demons;
  };
  // The least value of one key among the plans within the budget: each trial
  // asks for a plan better than the best found, down to `lowest`. Ruling out
  // one less than the best is what settles a key in the end, and the plans
  // found are often the best already; when a trial finds better ones, the
  // least of them is the next best.
  auto settle = [&](int lowest, int Budget::*key, int Finished::*value) {
    int best = Unbounded;
    for (const Finished& f : found) {
      if (within(f)) best = std::min(best, f.*value);
    }
    bool afterTrial = false;
    while (lowest < best && !stopRequested()) {
      Budget trial = budget;
      trial.*key = best - 1;
      const std::vector<Finished> better = plansUnder(fusions, trial, afterTrial);
      afterTrial = true;
      if (better.empty()) break;
      for (const Finished& f : better) best = std::min(best, f.*value);
      found.insert(found.end(), better.begin(), better.end());
    }
    budget.*key = best;
  };
  if (withMine_) settle(0, &Budget::notMine, &Finished::notMine);
  settle(level_[target_], &Budget::levelCap, &Finished::highestLevel);
  settle(0, &Budget::levelsGained, &Finished::levelsGained);
  // Every fusion takes two demons and makes a third.
  constexpr int FewestInAnyFusion = 3;
  settle(FewestInAnyFusion, &Budget::demons, &Finished::distinctDemons);
  return found;
}

std::vector<Plan> RouteSearch::plansWith(int fusions) {
  if (control_.progress) control_.progress(fusions);
  std::vector<Finished> finished = plansUnder(fusions, {request_.levelLimit, DemonIndexTotal, Unbounded});
  if (!finished.empty()) finished = bestOfLength(fusions, std::move(finished));
  return writePlans(std::move(finished));
}

std::vector<Plan> RouteSearch::exhaustivePlansWith(int fusions) {
  return writePlans(finish(Fillers::Every, fusions, {request_.levelLimit, DemonIndexTotal, Unbounded}));
}

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
  std::stable_sort(plans.begin(), plans.end(), [](const Plan& a, const Plan& b) {
    return std::tuple(a.notMine, a.highestLevel, a.levelsGained) < std::tuple(b.notMine, b.highestLevel, b.levelsGained);
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
  std::stable_sort(finished.begin(), finished.end(), [](const Finished& a, const Finished& b) { return a.rank() < b.rank(); });
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
