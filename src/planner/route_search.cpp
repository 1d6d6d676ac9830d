// The exact route search: see route_search.h for how it works and why its
// answers hold.
#include "planner/route_search.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/skill_learning.h"

namespace qmoor::detail {
namespace {

// What the memory bound counts for a memo entry beside its list: its key and hash node.
constexpr std::size_t MemoEntryBytes = 96;
// The share of the bound the search spends seeking the fewest fusions before
// it leaves the rest to the canonical pass alone, to find some plan at least.
constexpr double ProofShare = 0.6;

}  // namespace

// Keys packed into one number: each field below the product of the ranges of those after it.
std::size_t RouteSearch::KeyHash::operator()(const MadeKey& key) const {
  const std::uint64_t packed =
      ((static_cast<std::uint64_t>(key.demon) * 256 + key.required) * (MostPlanFusions + 1) + key.fusions) *
          (HeldSkillLimit + 2) +
      static_cast<std::uint64_t>(key.leastSize);
  return std::hash<std::uint64_t>{}(packed);
}

std::size_t RouteSearch::KeyHash::operator()(const WaysKey& key) const {
  return (*this)(key.made) * (TargetStep + 1) + static_cast<std::size_t>(key.parent);
}

const RouteSearch::PassRules& RouteSearch::rulesOf(Fillers fillers) {
  // Columns as in PassRules: shows every filler, joins ways, joins level
  // pairs, wanted learn levels only, drops reached level pairs, compares
  // wanted skills only, compares highest levels, every filler choice, stops
  // at the first plan.
  static constexpr PassRules table[] = {
      /* Optimistic         */ {true, true, true, false, false, false, false, false, true},
      /* OptimisticPerLevel */ {true, true, false, false, true, false, false, false, true},
      /* Canonical          */ {false, false, false, true, false, true, true, false, false},
      /* Varied             */ {false, false, false, false, true, true, false, false, false},
      /* Every              */ {false, false, false, false, true, false, false, true, false},
  };
  return table[static_cast<std::size_t>(fillers)];
}

RouteSearch::RouteSearch(const PlanRequest& request, const PlanControl& control)
    : request_(request),
      control_(control),
      target_(demonIndex(request.target)),
      bound_(control.seconds, control.memoryBytes) {
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
int RouteSearch::sizeAfter(const Pass& pass, const Way& way, const SkillBits& learned) const {
  const int added = pass.rules.showsEveryFiller ? learned.count() : learned.without(way.visible).count();
  return std::min(HeldSkillLimit, way.size + added);
}

// The skills a parent (a demon, or TargetStep for the step that makes the
// target) may take from a material that can matter to the plan.
// The target needs only the wanted skills: whatever else its materials pass
// on fills slots nobody reads, since its count of passing skills comes from
// the materials' sizes and its pool always holds the skills it must take.
// So a material of the target shows only those, and its other fillers count
// only for what the material itself learns (see addWay).
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
bool RouteSearch::overDemonBudget(const Pass& pass, DemonSet demons, int also) const {
  if (pass.budget.demons >= DemonIndexTotal) return false;
  if (also != TargetStep) demons.set(static_cast<std::size_t>(also));
  demons.set(static_cast<std::size_t>(target_));
  return static_cast<int>(demons.count()) > pass.budget.demons;
}

bool RouteSearch::stopRequested() {
  if (cancelled_ || cut_) return true;
  if (control_.cancel && control_.cancel->load(std::memory_order_relaxed)) {
    cancelled_ = true;
  } else if (bound_.exceeded(bytesHeld())) {
    cut_ = true;
  }
  return cancelled_ || cut_;
}

std::size_t RouteSearch::bytesHeld() const { return memoBytes_ + waysBytes_ + nodes_.capacity() * sizeof(Node); }

// Drops the memos of ways and fusions; the nodes they made stay, as plans
// found refer to them.
void RouteSearch::forgetMemos() {
  memo_.clear();
  made_.clear();
  memoBytes_ = 0;
  waysBytes_ = 0;
}

// Drops every way and fusion found so far, which a cut may have left
// incomplete, with the nodes they made.
void RouteSearch::forgetWays() {
  forgetMemos();
  nodes_.clear();
  for (Start& start : starts_) start.node = -1;
}

// The ways of making the demon with exactly `fusions` fusions in its tree
// whose materials and level window fit the level cap in force: each fusion
// with each split of the fusions below it between its materials that can
// have them. They are worked out once per demon, number and cap, as the
// search runs through them for every way it gathers.
const std::vector<RouteSearch::Split>& RouteSearch::splitsWithinCap(const Pass& pass, int demon, int fusions) {
  const auto at = static_cast<std::size_t>(demon);
  const auto count = static_cast<std::size_t>(fusions);
  const int cap = pass.budget.levelCap;
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
void RouteSearch::combine(const Pass& pass, int demon, bool makesTarget, unsigned required, int fusions, int leastSize, Visit visit,
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
  if (level_[demon] > pass.budget.levelCap) return;
  auto visitIfEnough = [&](const Made& made) {
    if (made.count >= leastCount) visit(made);
  };
  for (const Split& split : splitsWithinCap(pass, demon, fusions)) {
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
      const std::vector<Way>& waysA = solve(pass, split.a, maskA, split.fusionsA, leastTotal - split.sizeB, parent);
      const std::vector<Way>& waysB =
          waysA.empty() ? waysA : solve(pass, split.b, maskB, split.fusionsB, leastTotal - split.sizeA, parent);
      for (const Way& x : waysA) {
        if (stopRequested()) return;
        for (const Way& y : waysB) {
          fuseAtLevels(pass, demon, fusion, x, y, maskA, maskB, visitIfEnough);
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
void RouteSearch::fuseAtLevels(const Pass& pass, int demon, const MaterialFusion& fusion, const Way& x, const Way& y,
                               unsigned maskA, unsigned maskB, Visit& visit) {
  if (withMine_ && (x.mine & y.mine).any()) return;
  if (overDemonBudget(pass, x.demons | y.demons, demon)) return;
  const int notMine = x.notMine + y.notMine;
  if (notMine > pass.budget.notMine) return;
  const int a = demonIndex(fusion.first);
  const int b = demonIndex(fusion.second);
  const int cap = pass.budget.levelCap;
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
  const bool joinAll = pass.rules.joinsLevelPairs;
  // Under a budget of levels gained, only pairs that gain as many are
  // joined: a join of a cheap pair and a rich one would be both, and could
  // not rule that budget out.
  std::vector<Join>& joins = scratch_.joins;
  joins.clear();
  const bool joinByGained = pass.budget.levelsGained < UnboundedGain;
  const int room = HeldSkillLimit - innateCount_[demon];
  // What each material shows and holds at a level, worked out once a level:
  // the level pairs below share their levels.
  std::vector<AtLevel>& knownA = scratch_.knownA;
  std::vector<AtLevel>& knownB = scratch_.knownB;
  knownA.clear();
  knownB.clear();
  auto atLevel = [&](std::vector<AtLevel>& known, int material, const Way& way, int level) {
    for (const AtLevel& seen : known) {
      if (seen.level == level) return seen;
    }
    const SkillBits learned = learnedBetween(material, way.start, level);
    known.push_back({level, way.visible | learned, sizeAfter(pass, way, learned)});
    return known.back();
  };
  auto tryLevels = [&](int levelA, int levelB) {
    if (levelA > cap || levelB > cap) return;
    const int gained = x.levelsGained + y.levelsGained + (levelA - x.start) + (levelB - y.start);
    if (gained > pass.budget.levelsGained) return;
    const AtLevel atA = atLevel(knownA, a, x, levelA);
    const AtLevel atB = atLevel(knownB, b, y, levelB);
    const SkillBits& skillsA = atA.skills;
    const SkillBits& skillsB = atB.skills;
    const int count = std::min(passingCount(atA.size + atB.size), room);
    const int highest = std::max({x.highestLevel, y.highestLevel, levelA, levelB, level_[demon]});
    if (joinAll) {
      const int joinKey = joinByGained ? gained : 0;
      auto join = std::find_if(joins.begin(), joins.end(), [&](const Join& one) { return one.gained == joinKey; });
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
    for (const LearnStep& step : learnSteps(material)) {
      if (step.level > cap) break;
      if (step.level > start && (!pass.rules.wantedLearnLevelsOnly || !(step.skills & wanted_).empty())) {
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
  if (pass.rules.dropsReachedLevelPairs && pass.budget.levelsGained >= UnboundedGain) {
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

const std::vector<RouteSearch::Way>& RouteSearch::solve(const Pass& pass, int demon, unsigned required, int fusions, int leastSize,
                                                           int parent) {
  // A wanted skill the demon learns may come from levelling, which its
  // parent chooses and checks; a fused demon always holds its first list.
  for (std::size_t w = 0; w < wantedList_.size(); ++w) {
    if (second_[demon].contains(wantedList_[w])) required &= ~(1u << w);
  }
  leastSize = std::max(0, leastSize - second_[demon].count());
  leastSize = leastSize <= innateCount_[demon] ? 0 : std::min(leastSize, HeldSkillLimit + 1);
  const WaysKey key{{demon, required, fusions, leastSize}, parent};
  auto& memo = pass.ways;
  if (const auto found = memo.find(key); found != memo.end()) return found->second;
  // The ways a caller is gathering stay counted while this call gathers its own.
  const std::size_t callersWays = waysBytes_;
  Ways ways;
  const SkillBits relevant = takeableBy(parent) | second_[demon];
  if (fusions == 0) {
    for (int s : startsOf_[demon]) {
      Start& start = starts_[static_cast<std::size_t>(s)];
      const int notMine = start.mine < 0 ? 1 : 0;
      if (start.level > pass.budget.levelCap || notMine > pass.budget.notMine) continue;
      if (start.node < 0) {
        start.node = static_cast<int>(nodes_.size());
        nodes_.push_back({demon, -1, -1, FusionKind::Normal, {}, 0, 0, s});
      }
      Way way{start.skills & relevant, start.skills.count(), start.level, start.level, 0, notMine, {}, {}, start.node, 0};
      if (start.mine >= 0) way.mine.set(static_cast<std::size_t>(start.mine));
      way.demons.set(static_cast<std::size_t>(demon));
      ways.gathered.push_back(way);
    }
  } else if (leastSize <= HeldSkillLimit) {
    for (const Made& made : fusionsOf(pass, demon, required, fusions, leastSize)) {
      if (stopRequested()) break;
      addWay(pass, ways, demon, parent, made);
    }
  }
  waysBytes_ = callersWays;
  std::vector<Way> kept = fusions == 0 ? std::move(ways.gathered) : ways.kept();
  memoBytes_ += MemoEntryBytes + kept.size() * sizeof(Way);
  return memo.emplace(key, std::move(kept)).first->second;
}

// The fusions that make a demon do not depend on the parent that will use
// it, only the fillers it keeps do, so they are gathered once per pass.
const std::vector<RouteSearch::Made>& RouteSearch::fusionsOf(const Pass& pass, int demon, unsigned required, int fusions, int leastSize) {
  const MadeKey key{demon, required, fusions, leastSize};
  auto& memo = pass.made;
  if (const auto found = memo.find(key); found != memo.end()) return found->second;
  std::vector<Made> made;
  combine(pass, demon, false, required, fusions, leastSize,
          [&](const Made& one) {
            made.push_back(one);
            memoBytes_ += sizeof(Made);
          },
          nullptr);
  made.shrink_to_fit();
  memoBytes_ += MemoEntryBytes;
  return memo.emplace(key, std::move(made)).first->second;
}

std::vector<RouteSearch::Finished> RouteSearch::finish(Fillers fillers, int fusions, const Budget& budget) {
  const PassKey passKey{fillers, budget};
  const Pass pass{fillers, rulesOf(fillers), budget, memo_[passKey], made_[passKey]};
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
    combine(pass, target_, true, required, fusions, 0,
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
                  made.passed | pool.without(made.passed).lowest(std::max(0, passing - made.passed.count()));
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
              done = pass.rules.stopsAtFirstPlan;
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
// notes at the top). A key the bound cuts short is left unsettled, with the
// keys after it.
std::vector<RouteSearch::Finished> RouteSearch::bestOfLength(int fusions, std::vector<Finished> found,
                                                             PlanSettled& settled) {
  Budget budget{request_.levelLimit, DemonIndexTotal, UnboundedGain};
  auto within = [&](const Finished& f) {
    return f.notMine <= budget.notMine && f.highestLevel <= budget.levelCap && f.levelsGained <= budget.levelsGained &&
           f.distinctDemons <= budget.demons;
  };
  // The least value of one key among the plans within the budget: each trial
  // asks for a plan better than the best found, down to `lowest`. Ruling out
  // one less than the best is what settles a key in the end, and the plans
  // found are often the best already; when a trial finds better ones, the
  // least of them is the next best. False when the search stopped first.
  auto settle = [&](int lowest, int Budget::*key, int Finished::*value) {
    int best = UnboundedGain;
    for (const Finished& f : found) {
      if (within(f)) best = std::min(best, f.*value);
    }
    bool afterTrial = false;
    bool ruledOut = lowest >= best;
    while (!ruledOut && !stopRequested()) {
      Budget trial = budget;
      trial.*key = best - 1;
      const std::vector<Finished> better = plansUnder(fusions, trial, afterTrial);
      // No later trial asks under this budget again, so its memos can go.
      forgetMemos();
      afterTrial = true;
      if (better.empty()) {
        ruledOut = !stopRequested();
        break;
      }
      for (const Finished& f : better) best = std::min(best, f.*value);
      found.insert(found.end(), better.begin(), better.end());
      ruledOut = lowest >= best;
    }
    budget.*key = best;
    return ruledOut;
  };
  settled.notMine = !withMine_ || settle(0, &Budget::notMine, &Finished::notMine);
  settled.highestLevel = settled.notMine && settle(level_[target_], &Budget::levelCap, &Finished::highestLevel);
  settled.levelsGained = settled.highestLevel && settle(0, &Budget::levelsGained, &Finished::levelsGained);
  // Every fusion takes two demons and makes a third.
  constexpr int FewestInAnyFusion = 3;
  settled.distinctDemons =
      settled.levelsGained && settle(FewestInAnyFusion, &Budget::demons, &Finished::distinctDemons);
  return found;
}

PlanAnswer RouteSearch::plansWith(int fusions) {
  if (control_.progress) control_.progress(fusions);
  bound_.limitToShare(ProofShare);
  std::vector<Finished> finished = plansUnder(fusions, {request_.levelLimit, DemonIndexTotal, UnboundedGain});
  PlanAnswer answer;
  if (finished.empty()) return answer;
  // A plan of this length is known: the rest of the bound goes to the other
  // keys, whose trials each keep to a budget of their own, never this one.
  forgetMemos();
  bound_.limitToShare(1);
  cut_ = false;
  finished = bestOfLength(fusions, std::move(finished), answer.settled);
  answer.plans = writePlans(std::move(finished));
  return answer;
}

PlanAnswer RouteSearch::quickPlansFrom(int fusions) {
  forgetWays();
  bound_.limitToShare(1);
  cut_ = false;
  PlanAnswer answer{{}, PlanProblem::SearchCut, 0, {false, false, false, false, false}};
  for (; fusions <= request_.maxFusions && !stopRequested(); ++fusions) {
    if (control_.progress) control_.progress(fusions);
    answer.plans = writePlans(finish(Fillers::Canonical, fusions, {request_.levelLimit, DemonIndexTotal, UnboundedGain}));
    if (!answer.plans.empty()) {
      answer.problem = PlanProblem::None;
      break;
    }
  }
  return answer;
}

bool RouteSearch::passFinds(Fillers fillers, int fusions, const Budget& budget) {
  return !finish(fillers, fusions, budget).empty();
}

std::vector<Plan> RouteSearch::exhaustivePlansWith(int fusions) {
  return writePlans(finish(Fillers::Every, fusions, {request_.levelLimit, DemonIndexTotal, UnboundedGain}));
}

}  // namespace qmoor::detail
