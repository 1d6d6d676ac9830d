// The exact route search.
//
// Why the first plan is a shortest one. Plans are sought for 1, 2, 3, ...
// fusions in turn. For each number the search tries every fusion that makes
// a demon, every split of the fusions below it between its two materials and
// every split of the wanted skills it must pass on, and drops a way of making
// a demon only when another way with as many fusions is at least as good for
// every step above it. That rests on two facts about a step A + B -> C:
//   * What a step sees of a material is only (a) the material's skills that C
//     may inherit (the pool is their union, C's own first list excepted, so
//     other skills never matter), (b) how many skills it holds in all (the
//     passing count ⌊(|A| + |B| + 2.7) / 3.7⌋) and (c) the highest level below.
//   * More never hurts: with pool P ⊆ P' and count n ≤ n', the number passed
//     m = min(count, 8 − |innate C|, |P|) grows to m' ≥ m, and any inherited
//     set I ⊆ P of size m extends to an I' ⊇ I of size m' inside P', so C
//     holds a superset, with as many skills. By induction every later step
//     and the target do at least as well.
// Which fillers a step takes is the one choice that makes the search costly,
// so each number of fusions is settled in up to three passes:
//   1. Optimistic: each material shows its parent every filler it could have
//      taken, more than it can hold, and ways showing the same wanted skills
//      are joined into one that shows all their skills with the larger count.
//      By the facts above this overestimates every real way, so when it finds
//      no plan, none exists.
//   2. Canonical: one real choice (fillers the parent can take first); every
//      plan it finds is real, found fast, compared by the wanted skills only.
//   3. Every: when 1 finds a plan and 2 none, every choice of the fillers the
//      parent can take is kept (the rest are interchangeable): exhaustive.
// So the first number with plans is the fewest fusions, for certain. The
// pruning bounds (fusions to have a demon or to carry one wanted skill, and
// the largest skill count after b fusions) come from the same rules with the
// passing count or the pool left out, so they never exceed the truth. Among
// the plans of the fewest fusions, the first also has the lowest highest
// level and then the fewest distinct demons for certain (bestOfLength); the
// plans after it are the best of those the passes kept, in that order.
#include "planner/route_search.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>

#include "data/compendium.h"
#include "data/skill_inheritance.h"
#include "data/skills.h"

namespace qmoor::detail {
namespace {

constexpr int Unreachable = 1000;
constexpr int MostPassed = 5;  // ⌊(8 + 8 + 2.7) / 3.7⌋

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

}  // namespace

int demonIndex(DemonRef demon) { return demon.race * SlotsPerRace + demon.slot; }
DemonRef demonAt(int index) { return {index / SlotsPerRace, index % SlotsPerRace}; }

namespace {

struct DemonSkillTables {
  std::array<SkillBits, DemonIndexTotal> innate{};
  std::array<SkillBits, DemonIndexTotal> receivable{};
};

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

RouteSearch::RouteSearch(const PlanRequest& request, const PlanControl& control)
    : request_(request), control_(control), target_(demonIndex(request.target)) {
  std::array<bool, DemonIndexTotal> owned{};
  if (request.owned) {
    for (DemonRef demon : *request.owned) {
      if (isOccupied(demon)) owned[demonIndex(demon)] = true;
    }
  }
  std::array<bool, DemonIndexTotal> usable{};
  leafNode_.fill(-1);
  for (int i = 0; i < DemonIndexTotal; ++i) {
    const DemonRef demon = demonAt(i);
    if (!isOccupied(demon) || level(demon) > request.levelLimit) continue;
    usable[i] = true;
    level_[i] = level(demon);
    innate_[i] = innateSkills(demon);
    innateCount_[i] = innate_[i].count();
    receivable_[i] = receivableSkills(demon);
    leaf_[i] = !request.owned || owned[i];
  }
  for (int i = 0; i < DemonIndexTotal; ++i) {
    if (!usable[i]) continue;
    for (const MaterialFusion& fusion : fusionsMaking(demonAt(i), request.curse)) {
      if (usable[demonIndex(fusion.first)] && usable[demonIndex(fusion.second)]) fusions_[i].push_back(fusion);
    }
  }
  for (int skill : request.skills) {
    if (!innate_[target_].contains(skill) && std::find(wanted_.begin(), wanted_.end(), skill) == wanted_.end()) {
      wanted_.push_back(skill);
    }
  }
  computeBounds();
  computeSizeBounds();
}

// Lower bounds by relaxation, improved round by round: after r rounds every
// value reached by a tree of height r is exact, and every value is always
// reached by some relaxed tree, so it never undercuts the truth.
void RouteSearch::computeBounds() {
  fusionsToMake_.fill(Unreachable);
  fusionsToCarry_.assign(wanted_.size(), {});
  for (auto& bound : fusionsToCarry_) bound.fill(Unreachable);
  for (int i = 0; i < DemonIndexTotal; ++i) {
    if (!leaf_[i]) continue;
    fusionsToMake_[i] = 0;
    for (std::size_t w = 0; w < wanted_.size(); ++w) {
      if (innate_[i].contains(wanted_[w])) fusionsToCarry_[w][i] = 0;
    }
  }
  for (int round = 0; round < request_.maxFusions; ++round) {
    for (int i = 0; i < DemonIndexTotal; ++i) {
      for (const MaterialFusion& fusion : fusions_[i]) {
        const int a = demonIndex(fusion.first);
        const int b = demonIndex(fusion.second);
        fusionsToMake_[i] = std::min(fusionsToMake_[i], 1 + fusionsToMake_[a] + fusionsToMake_[b]);
      }
      for (std::size_t w = 0; w < wanted_.size(); ++w) {
        int& bound = fusionsToCarry_[w][i];
        if (innate_[i].contains(wanted_[w])) {
          bound = std::min(bound, fusionsToMake_[i]);
        } else if (receivable_[i].contains(wanted_[w])) {
          for (const MaterialFusion& fusion : fusions_[i]) {
            const int a = demonIndex(fusion.first);
            const int b = demonIndex(fusion.second);
            bound = std::min({bound, 1 + fusionsToCarry_[w][a] + fusionsToMake_[b],
                              1 + fusionsToMake_[a] + fusionsToCarry_[w][b]});
          }
        }
      }
    }
  }
}

// The skill count of a demon made with b fusions is its first list plus what
// passes, which the passing count of the largest materials bounds.
void RouteSearch::computeSizeBounds() {
  for (auto& sizes : largestSize_) sizes.fill(-1);
  for (int i = 0; i < DemonIndexTotal; ++i) {
    if (leaf_[i]) largestSize_[0][i] = innateCount_[i];
  }
  for (int fusions = 1; fusions <= request_.maxFusions; ++fusions) {
    for (int i = 0; i < DemonIndexTotal; ++i) {
      int best = -1;
      for (const MaterialFusion& fusion : fusions_[i]) {
        const int a = demonIndex(fusion.first);
        const int b = demonIndex(fusion.second);
        for (int fusionsA = 0; fusionsA < fusions; ++fusionsA) {
          const int sizeA = largestSize_[fusionsA][a];
          const int sizeB = largestSize_[fusions - 1 - fusionsA][b];
          if (sizeA < 0 || sizeB < 0) continue;
          best = std::max(best, innateCount_[i] + std::min(passingCount(sizeA + sizeB), HeldSkillLimit - innateCount_[i]));
        }
      }
      largestSize_[fusions][i] = best;
    }
  }
}

SkillBits RouteSearch::wantedBits(unsigned mask) const {
  SkillBits bits;
  for (std::size_t w = 0; w < wanted_.size(); ++w) {
    if (mask >> w & 1) bits.add(wanted_[w]);
  }
  return bits;
}

bool RouteSearch::mayCarry(int demon, unsigned mask, int fusions) const {
  if (fusionsToMake_[demon] > fusions) return false;
  for (std::size_t w = 0; w < wanted_.size(); ++w) {
    if ((mask >> w & 1) && fusionsToCarry_[w][demon] > fusions) return false;
  }
  return true;
}

int RouteSearch::largestSize(int demon, int fusions) const { return largestSize_[fusions][demon]; }

bool RouteSearch::spendWork(long units) {
  if (workLeft_ < 0) return true;
  workLeft_ = std::max(0L, workLeft_ - units);
  return workLeft_ > 0;
}

bool RouteSearch::stopRequested() {
  if (control_.cancel && control_.cancel->load(std::memory_order_relaxed)) cancelled_ = true;
  return cancelled_;
}

// Every step that makes `demon` with exactly `fusions` fusions in its tree,
// passes on the wanted skills of `required` that it does not hold itself and
// leaves it holding at least `leastSize` skills:
// visit(pool, passed, count, highest level, demons used, kind, first node, second node).
template <class Visit>
void RouteSearch::combine(int demon, unsigned required, int fusions, int leastSize, Visit visit, const bool* done) {
  unsigned passMask = 0;
  for (std::size_t w = 0; w < wanted_.size(); ++w) {
    if ((required >> w & 1) && !innate_[demon].contains(wanted_[w])) passMask |= 1u << w;
  }
  const SkillBits passed = wantedBits(passMask);
  const int passCount = passed.count();
  const int leastCount = std::max(passCount, leastSize - innateCount_[demon]);
  if (!passed.isSubsetOf(receivable_[demon]) ||
      leastCount > std::min(MostPassed, HeldSkillLimit - innateCount_[demon])) {
    return;
  }
  const int leastTotal = leastTotalFor(leastCount);
  if (level_[demon] > levelCap_) return;
  for (const MaterialFusion& fusion : fusions_[demon]) {
    if (stopRequested() || (done && *done) || workLeft_ == 0) return;
    const int a = demonIndex(fusion.first);
    const int b = demonIndex(fusion.second);
    if (level_[a] > levelCap_ || level_[b] > levelCap_) continue;
    for (int fusionsA = 0; fusionsA < fusions; ++fusionsA) {
      const int fusionsB = fusions - 1 - fusionsA;
      const int sizeA = largestSize(a, fusionsA);
      const int sizeB = largestSize(b, fusionsB);
      if (sizeA < 0 || sizeB < 0 || sizeA + sizeB < leastTotal) continue;
      for (unsigned maskA = passMask;; maskA = (maskA - 1) & passMask) {
        const unsigned maskB = passMask & ~maskA;
        if (mayCarry(a, maskA, fusionsA) && mayCarry(b, maskB, fusionsB)) {
          const std::vector<Option>& waysA = solve(a, maskA, fusionsA, leastTotal - sizeB, demon);
          const std::vector<Option>& waysB = waysA.empty() ? waysA : solve(b, maskB, fusionsB, leastTotal - sizeA, demon);
          for (const Option& x : waysA) {
            for (const Option& y : waysB) {
              if (!spendWork(1)) return;
              if (x.size + y.size < leastTotal) continue;
              const SkillBits pool = x.visible | y.visible;
              const int count = std::min({passingCount(x.size + y.size), HeldSkillLimit - innateCount_[demon], pool.count()});
              if (count < leastCount) continue;
              DemonSet demons = x.demons | y.demons;
              demons.set(static_cast<std::size_t>(demon));
              visit(pool, passed, count, std::max({level_[demon], x.highestLevel, y.highestLevel}), demons, fusion.kind,
                    x.node, y.node);
            }
          }
        }
        if (maskA == 0) break;
      }
    }
  }
}

const std::vector<RouteSearch::Option>& RouteSearch::solve(int demon, unsigned required, int fusions, int leastSize,
                                                           int parent) {
  // A fused demon always holds its first list, a leaf exactly that.
  leastSize = leastSize <= innateCount_[demon] ? 0 : leastSize;
  const std::uint64_t key =
      (((static_cast<std::uint64_t>(demon) * 256 + required) * 8 + fusions) * (HeldSkillLimit + 1) + leastSize) *
          DemonIndexTotal +
      parent;
  auto& memo = memo_[static_cast<std::size_t>(fillers_)][levelCap_];
  if (const auto found = memo.find(key); found != memo.end()) return found->second;
  std::vector<Option> options;
  if (fusions == 0) {
    if (leaf_[demon] && leastSize == 0 && wantedBits(required).isSubsetOf(innate_[demon])) {
      if (leafNode_[demon] < 0) {
        leafNode_[demon] = static_cast<int>(nodes_.size());
        nodes_.push_back({demon, -1, -1, FusionKind::Normal, {}});
      }
      DemonSet demons;
      demons.set(static_cast<std::size_t>(demon));
      options.push_back({innate_[demon] & receivable_[parent], innateCount_[demon], level_[demon], demons, leafNode_[demon]});
    }
  } else if (leastSize <= HeldSkillLimit &&
             !(fillers_ == Fillers::CanonicalLean && required == 0 && leastSize == 0 && leaf_[demon])) {
    combine(demon, required, fusions, leastSize,
            [&](const SkillBits& pool, const SkillBits& passed, int count, int highestLevel, const DemonSet& demons,
                FusionKind kind, int first, int second) {
              addOption(options, demon, pool, passed, count, parent, highestLevel, demons, kind, first, second);
            },
            nullptr);
  }
  return memo.emplace(key, std::move(options)).first->second;
}

// The ways of making `demon` at one step, seen from its parent: the wanted
// skills it must pass, plus fillers; fillers the parent may take are kept
// in every combination that fits, the others are interchangeable.
void RouteSearch::addOption(std::vector<Option>& options, int demon, const SkillBits& pool, const SkillBits& passed,
                            int taken, int parent, int highestLevel, const DemonSet& demons, FusionKind kind, int first,
                            int second) {
  const int room = taken - passed.count();
  const SkillBits rest = pool.without(passed);
  const SkillBits useful = rest & receivable_[parent];
  // The canonical searches only need sound plans fast, so they compare ways
  // by the wanted skills they show; the others compare every shown skill.
  const bool wantedOnly = fillers_ == Fillers::Canonical || fillers_ == Fillers::CanonicalLean;
  const SkillBits compared = wantedOnly ? wantedBits((1u << wanted_.size()) - 1) : receivable_[parent];
  // The fewest-demons pass runs under the lowest level cap that has a plan,
  // so every plan it finds reaches that cap and levels below it do not matter;
  // what matters instead is that the way which stays uses no other demon.
  const bool byDemons = fillers_ == Fillers::FewestDemons;
  // A plan holding this way holds the target and the parent as well.
  DemonSet inPlan = demons;
  inPlan.set(static_cast<std::size_t>(target_));
  inPlan.set(static_cast<std::size_t>(parent));
  if (byDemons && static_cast<int>(inPlan.count()) >= fewestDemonsKnown_) return;
  auto covers = [&](const Option& big, const Option& small) {
    return (small.visible & compared).isSubsetOf(big.visible) && small.size <= big.size &&
           (byDemons ? (big.demons & ~small.demons).none() : small.highestLevel >= big.highestLevel);
  };
  auto keep = [&](const SkillBits& inherited) {
    const SkillBits shown = fillers_ == Fillers::Optimistic ? inherited | useful : inherited;
    const Option option{(innate_[demon] | shown) & receivable_[parent], innateCount_[demon] + taken, highestLevel, demons,
                        0};
    if (fillers_ == Fillers::Optimistic) {
      // Joining two ways into one that shows both's skills, holds the larger
      // count and the lower level overestimates both, as this pass may.
      const SkillBits wanted = wantedBits((1u << wanted_.size()) - 1);
      for (Option& other : options) {
        if ((other.visible & wanted) == (option.visible & wanted)) {
          other.visible = other.visible | option.visible;
          other.size = std::max(other.size, option.size);
          other.highestLevel = std::min(other.highestLevel, option.highestLevel);
          return;
        }
      }
    }
    if (!spendWork(static_cast<long>(options.size()))) return;
    for (const Option& other : options) {
      if (covers(other, option)) return;
    }
    std::erase_if(options, [&](const Option& other) { return covers(option, other); });
    options.push_back(option);
    options.back().node = static_cast<int>(nodes_.size());
    nodes_.push_back({demon, first, second, kind, inherited});
  };
  if ((fillers_ == Fillers::Every || byDemons) && useful.count() > room) {
    forEachSubset(useful.list(), room, [&](const SkillBits& chosen) { keep(passed | chosen); });
  } else {
    const SkillBits chosen = firstOf(useful, room);
    keep(passed | chosen | firstOf(rest.without(useful), room - chosen.count()));
  }
}

Plan RouteSearch::writePlan(const Finished& finished) const {
  Plan plan;
  plan.highestLevel = finished.highestLevel;
  plan.distinctDemons = finished.distinctDemons;
  std::function<PlanMaterial(int)> write = [&](int n) -> PlanMaterial {
    const Node& node = nodes_[n];
    const DemonRef demon = demonAt(node.demon);
    if (node.first < 0) return {demon, std::nullopt};
    PlanStep step;
    step.first = write(node.first);
    step.second = write(node.second);
    step.result = demon;
    step.kind = node.kind;
    step.inherited = node.inherited.list();
    for (int skill : skillsOf(demon, SkillList::First)) {
      if (innate_[node.demon].contains(skill)) step.skills.push_back(skill);
    }
    step.skills.insert(step.skills.end(), step.inherited.begin(), step.inherited.end());
    plan.steps.push_back(std::move(step));
    return {demon, static_cast<int>(plan.steps.size()) - 1};
  };
  write(finished.node);
  return plan;
}

std::vector<RouteSearch::Finished> RouteSearch::finish(Fillers fillers, int fusions, int levelCap) {
  fillers_ = fillers;
  levelCap_ = levelCap;
  std::vector<Finished> finished;
  const unsigned all = (1u << wanted_.size()) - 1;
  bool done = false;
  combine(target_, all, fusions, 0,
          [&](const SkillBits& pool, const SkillBits& passed, int count, int highestLevel, const DemonSet& demons,
              FusionKind kind, int first, int second) {
            const SkillBits inherited = passed | firstOf(pool.without(passed), count - passed.count());
            const int node = static_cast<int>(nodes_.size());
            nodes_.push_back({target_, first, second, kind, inherited});
            finished.push_back({node, highestLevel, static_cast<int>(demons.count())});
            if (fillers == Fillers::FewestDemons) {
              fewestDemonsKnown_ = std::min(fewestDemonsKnown_, static_cast<int>(demons.count()));
            }
            done = fillers == Fillers::Optimistic;
          },
          &done);
  return finished;
}

std::vector<Plan> RouteSearch::plansWith(int fusions, bool longer) {
  if (control_.progress) control_.progress(fusions);
  const int limit = request_.levelLimit;
  std::vector<Finished> finished;
  if (longer) {
    finished = finish(Fillers::CanonicalLean, fusions, limit);
  } else {
    finished = plansUnder(fusions, limit);
    if (!finished.empty()) finished = bestOfLength(fusions, std::move(finished));
  }
  return writePlans(std::move(finished));
}

// A plan of `fusions` steps exists only if the optimistic search finds one.
// The canonical search then finds real plans fast; only when it finds none
// where the optimistic one did does the search try every filler choice.
std::vector<RouteSearch::Finished> RouteSearch::plansUnder(int fusions, int levelCap) {
  if (finish(Fillers::Optimistic, fusions, levelCap).empty()) return {};
  std::vector<Finished> finished = finish(Fillers::Canonical, fusions, levelCap);
  return finished.empty() ? finish(Fillers::Every, fusions, levelCap) : finished;
}

// Adds to the plans found of the fewest fusions the best of them for certain.
// The lowest highest level is the lowest level cap under which a plan exists,
// found by halving among the levels of the demons between the target's level
// and the best level found. Under that cap, the fewest distinct demons come
// from the pass that keeps every way not beaten in skills shown, skill count
// and the demons it uses: swapping a way for one that uses a subset of its
// demons never adds a demon to the plan. Three demons is the least any
// fusion takes (two different materials and a result unlike both). That pass
// may keep very many ways, so it has a fixed allowance of work; when it runs
// out, its plans found so far still count, but the fewest is then not proved.
std::vector<RouteSearch::Finished> RouteSearch::bestOfLength(int fusions, std::vector<Finished> found) {
  int lowest = std::ranges::min(found, {}, &Finished::highestLevel).highestLevel;
  std::vector<int> caps;
  for (int i = 0; i < DemonIndexTotal; ++i) {
    if (level_[i] >= level_[target_] && level_[i] < lowest) caps.push_back(level_[i]);
  }
  std::ranges::sort(caps);
  caps.erase(std::unique(caps.begin(), caps.end()), caps.end());
  std::size_t below = 0;
  std::size_t above = caps.size();
  std::vector<Finished> atLowest;
  while (below < above && !stopRequested()) {
    const std::size_t middle = (below + above) / 2;
    std::vector<Finished> under = plansUnder(fusions, caps[middle]);
    if (!under.empty()) {
      lowest = caps[middle];
      atLowest = std::move(under);
      above = middle;
    } else {
      below = middle + 1;
    }
  }
  // The plans under the lowest cap reach it, since no lower cap has any.
  found.insert(found.end(), atLowest.begin(), atLowest.end());
  constexpr int FewestInAnyFusion = 3;
  fewestDemonsKnown_ = std::numeric_limits<int>::max();
  for (const Finished& f : found) {
    if (f.highestLevel == lowest) fewestDemonsKnown_ = std::min(fewestDemonsKnown_, f.distinctDemons);
  }
  if (fewestDemonsKnown_ > FewestInAnyFusion) {
    workLeft_ = FewestDemonsWork;
    std::vector<Finished> fewest = finish(Fillers::FewestDemons, fusions, lowest);
    found.insert(found.end(), fewest.begin(), fewest.end());
    workLeft_ = -1;
  }
  return found;
}

std::vector<Plan> RouteSearch::exhaustivePlansWith(int fusions) {
  return writePlans(finish(Fillers::Every, fusions, request_.levelLimit));
}

// The plans best first, one of each shape, as many as were asked for.
std::vector<Plan> RouteSearch::writePlans(std::vector<Finished> finished) const {
  std::stable_sort(finished.begin(), finished.end(), [](const Finished& x, const Finished& y) {
    return std::tie(x.highestLevel, x.distinctDemons) < std::tie(y.highestLevel, y.distinctDemons);
  });
  std::vector<Plan> plans;
  std::map<std::vector<int>, bool> seen;
  for (const Finished& candidate : finished) {
    if (static_cast<int>(plans.size()) >= request_.planCount) break;
    Plan plan = writePlan(candidate);
    std::vector<int> shape;
    for (const PlanStep& step : plan.steps) {
      for (const PlanMaterial& material : {step.first, step.second}) {
        shape.push_back(demonIndex(material.demon));
        shape.push_back(material.step.value_or(-1));
      }
      shape.push_back(demonIndex(step.result));
    }
    if (seen.emplace(shape, true).second) plans.push_back(std::move(plan));
  }
  return plans;
}

}  // namespace qmoor::detail
