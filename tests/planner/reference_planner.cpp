// The reference model: marks, inheritability and learn levels read from the
// data files, normal fusion read from the level rule, spirit and phase
// fusions asked of forward fusion, every inherited set tried.
#include "reference_planner.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "forward/forward_fusion.h"
#include "rules/fusion_rules.h"
#include "support/data_tables.h"

namespace qmoor::reference {
namespace {

using Skills = std::bitset<SkillNumberTotal>;

// Skill number -> the mark it needs ("none" for any demon), for inheritable skills only.
const std::map<int, std::string>& inheritableSkills() {
  static const std::map<int, std::string> table = [] {
    std::map<int, std::string> marks;
    for (const testing::Fields& fields : testing::readDataTable("skill-inheritance.tsv").rows) {
      if (fields.size() > 3 && fields[3] == "yes") marks[std::stoi(fields[0])] = fields[2];
    }
    return marks;
  }();
  return table;
}

// (race, slot) -> (learn level, skill), in learning order.
const std::map<std::pair<int, int>, std::vector<std::pair<int, int>>>& learnTable() {
  static const auto table = [] {
    std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> learned;
    for (const testing::Fields& fields : testing::readDataTable("skill-learning.tsv").rows) {
      learned[{std::stoi(fields.at(0)), std::stoi(fields.at(1))}].push_back({std::stoi(fields.at(5)), std::stoi(fields.at(3))});
    }
    return learned;
  }();
  return table;
}

const std::vector<std::pair<int, int>>& learnList(DemonRef demon) {
  static const std::vector<std::pair<int, int>> none;
  const auto found = learnTable().find({demon.race, demon.slot});
  return found == learnTable().end() ? none : found->second;
}

// The skills learned levelling from `from` to `to`, in learning order.
std::vector<int> learnedBetween(DemonRef demon, int from, int to) {
  std::vector<int> skills;
  for (const auto& [level, skill] : learnList(demon)) {
    if (level > from && level <= to) skills.push_back(skill);
  }
  return skills;
}

bool demonHasMark(DemonRef demon, const std::string& mark) {
  if (mark == "none") return true;
  for (int k = 0; k < 10; ++k) {
    if (cell(markColumn(k), demon) == mark) return true;
  }
  return false;
}

using DemonSkills = std::array<std::array<Skills, SlotsPerRace>, RaceTotal>;

// A demon at its base level holds its first list; "？" is no skill.
const Skills& innate(DemonRef demon) {
  static const DemonSkills table = [] {
    DemonSkills skills{};
    for (Race race = 0; race < RaceTotal; ++race) {
      for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
        for (int skill : skillsOf({race, slot}, SkillList::First)) {
          if (skill != 0 && skillName(skill) != "？") skills[race][slot].set(static_cast<std::size_t>(skill));
        }
      }
    }
    return skills;
  }();
  return table[demon.race][demon.slot];
}

// ⌊(n + 2.7) / 3.7⌋ in tenths, free of rounding.
int passing(int total) { return (total * 10 + 27) / 37; }

// The skills a demon's marks let it inherit, worked out once per demon.
const Skills& receivable(DemonRef demon) {
  static const DemonSkills table = [] {
    DemonSkills skills{};
    for (Race race = 0; race < RaceTotal; ++race) {
      for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
        if (!isOccupied({race, slot})) continue;
        for (const auto& [skill, mark] : inheritableSkills()) {
          if (demonHasMark({race, slot}, mark)) skills[race][slot].set(static_cast<std::size_t>(skill));
        }
      }
    }
    return skills;
  }();
  return table[demon.race][demon.slot];
}

// A demon as a step uses it: what it can hold and how many skills it holds.
struct Held {
  Skills skills;
  int count = 0;
};

// Levelled from `from` to `to`: what it held and learned, at most 8 at once
// (the player forgets what the next step does not take).
Held levelled(DemonRef demon, const Skills& held, int from, int to) {
  Skills skills = held;
  for (int skill : learnedBetween(demon, from, to)) skills.set(static_cast<std::size_t>(skill));
  return {skills, std::min(8, static_cast<int>(skills.count()))};
}

Skills pool(DemonRef result, const Held& a, const Held& b) {
  return (a.skills | b.skills) & ~innate(result) & receivable(result);
}

int passedCount(DemonRef result, const Held& a, const Held& b) {
  const int room = 8 - static_cast<int>(innate(result).count());
  return std::min({passing(a.count + b.count), room, static_cast<int>(pool(result, a, b).count())});
}

bool excluded(const PlanRequest& request, DemonRef demon) {
  return std::ranges::find(request.excluded, demon) != request.excluded.end();
}

bool mayTakeAtBase(const PlanRequest& request, DemonRef demon) {
  return !request.onlyMine && level(demon) <= request.levelLimit && !excluded(request, demon) &&
         (!request.owned || std::ranges::find(*request.owned, demon) != request.owned->end());
}

Skills bitsOf(const std::vector<int>& skills) {
  Skills bits;
  for (int skill : skills) bits.set(static_cast<std::size_t>(skill));
  return bits;
}

std::string describe(DemonRef demon) {
  return std::string(cell(Column::Name, demon)) + "(" + std::to_string(demon.race) + "/" + std::to_string(demon.slot) + ")";
}

// Every skill set the result can hold after fusing the two materials.
std::vector<Skills> outcomes(DemonRef result, const Held& a, const Held& b) {
  const Skills candidates = pool(result, a, b);
  const int count = passedCount(result, a, b);
  std::vector<int> members;
  for (int skill = 0; skill < SkillNumberTotal; ++skill) {
    if (candidates.test(static_cast<std::size_t>(skill))) members.push_back(skill);
  }
  std::vector<Skills> sets;
  std::vector<bool> pick(members.size(), false);
  std::fill(pick.begin(), pick.begin() + count, true);
  do {
    Skills held = innate(result);
    for (std::size_t i = 0; i < members.size(); ++i) {
      if (pick[i]) held.set(static_cast<std::size_t>(members[i]));
    }
    sets.push_back(held);
  } while (std::prev_permutation(pick.begin(), pick.end()));
  return sets;
}

// The fusion of two materials at their levels makes the result.
bool makes(DemonRef a, int levelA, DemonRef b, int levelB, DemonRef result, FusionKind kind, bool curse) {
  if (a == result || b == result) return false;
  switch (kind) {
    case FusionKind::Normal: return normalAt(a, levelA, b, levelB, curse) == result;
    case FusionKind::Spirit: return fuse(a, b, curse).spirit == result;
    case FusionKind::Phase: {
      const std::vector<DemonRef> phase = fuse(a, b, curse).phase;
      return std::ranges::find(phase, result) != phase.end();
    }
  }
  return false;
}

}  // namespace

namespace {

// The normal demon of the race a level sum makes: the one with the lowest
// level L for which 2L − 2 reaches the sum, special demons stepped over;
// above the highest, the highest.
std::optional<DemonRef> normalInRace(int race, int sum, bool curse) {
  std::optional<DemonRef> made;
  for (Slot slot = raceCount(race) - 1; slot >= 0 && !made; --slot) {
    const DemonRef demon{race, slot};
    if (!isSpecial(demon) && (2 * level(demon) - 2 >= sum || slot == 0)) made = demon;
  }
  if (made && barredFromRacePairs(*made, curse)) return std::nullopt;
  return made;
}

int chartRace(DemonRef a, DemonRef b, bool curse) {
  if (a.race == b.race || !isOccupied(a) || !isOccupied(b)) return -1;
  const int race = fusionResult(std::min(a.race, b.race), std::max(a.race, b.race), curse);
  return race < 0 || race >= RaceTotal || race == PhaseRace ? -1 : race;
}

// One way of making a demon: two materials, the kind, and the level sums that make it.
struct Recipe {
  DemonRef a;
  DemonRef b;
  FusionKind kind;
  int lowest;
  int highest;
};

// Every recipe of every demon, from every pair of demons and every level sum.
const std::map<std::pair<int, int>, std::vector<Recipe>>& recipesByResult(bool curse) {
  static const auto build = [](bool cursed) {
    std::vector<DemonRef> all;
    for (Race race = 0; race < RaceTotal; ++race) {
      for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
        if (isOccupied({race, slot})) all.push_back({race, slot});
      }
    }
    std::map<std::pair<int, int>, std::vector<Recipe>> recipes;
    for (std::size_t i = 0; i < all.size(); ++i) {
      for (std::size_t j = i + 1; j < all.size(); ++j) {
        const DemonRef a = all[i];
        const DemonRef b = all[j];
        const FusionOutcome outcome = fuse(a, b, cursed);
        for (DemonRef phase : outcome.phase) recipes[{phase.race, phase.slot}].push_back({a, b, FusionKind::Phase, 0, 198});
        if (outcome.spirit) recipes[{outcome.spirit->race, outcome.spirit->slot}].push_back({a, b, FusionKind::Spirit, 0, 198});
        const int race = chartRace(a, b, cursed);
        if (race < 0) continue;
        std::optional<DemonRef> current;
        int from = 0;
        for (int sum = level(a) + level(b); sum <= 199; ++sum) {
          const std::optional<DemonRef> made = sum <= 198 ? normalInRace(race, sum, cursed) : std::nullopt;
          if (made == current) continue;
          if (current && !(*current == a) && !(*current == b)) {
            recipes[{current->race, current->slot}].push_back({a, b, FusionKind::Normal, from, sum - 1});
          }
          current = made;
          from = sum;
        }
      }
    }
    return recipes;
  };
  static const std::array<std::map<std::pair<int, int>, std::vector<Recipe>>, 2> charts{build(false), build(true)};
  return charts[curse ? 1 : 0];
}

const std::vector<Recipe>& recipesOf(DemonRef demon, bool curse) {
  static const std::vector<Recipe> none;
  const auto& all = recipesByResult(curse);
  const auto found = all.find({demon.race, demon.slot});
  return found == all.end() ? none : found->second;
}

// The level pairs worth trying for a fusion under level cap h: a material's
// skills change only at its learn levels, and for a level x of the first,
// the highest level the sum and the cap allow the second holds the most.
// For each learn stage s of the first, its lowest level that can still
// reach the window with the second at the cap is max(s, lowest − h); any
// other level of that stage holds no more and leaves the second less room.
std::vector<std::pair<int, int>> levelPairs(const PlanRequest& request, const Recipe& recipe, int startA, int startB,
                                            int h) {
  std::vector<std::pair<int, int>> pairs;
  if (startA > h || startB > h) return pairs;
  if (!request.levelling) {
    const int sum = startA + startB;
    if (sum >= recipe.lowest && sum <= recipe.highest) pairs.push_back({startA, startB});
    return pairs;
  }
  std::vector<int> stages{startA};
  for (const auto& [learnAt, skill] : learnList(recipe.a)) {
    if (learnAt > startA && learnAt <= h) stages.push_back(learnAt);
  }
  for (int stage : stages) {
    const int x = std::max(stage, recipe.lowest - h);
    const int y = std::min(h, recipe.highest - x);
    if (x <= h && y >= startB && x + y >= recipe.lowest) pairs.push_back({x, y});
  }
  return pairs;
}

}  // namespace

std::optional<DemonRef> normalAt(DemonRef a, int levelA, DemonRef b, int levelB, bool curse) {
  const int race = chartRace(a, b, curse);
  if (race < 0) return std::nullopt;
  const std::optional<DemonRef> made = normalInRace(race, levelA + levelB, curse);
  if (!made || *made == a || *made == b) return std::nullopt;
  return made;
}

std::string planFault(const PlanRequest& request, const Plan& plan) {
  const std::size_t total = plan.steps.size();
  std::vector<Skills> held(total);
  std::vector<int> uses(total, 0);
  std::set<int> minesUsed;
  std::set<std::pair<int, int>> demons;
  int highest = 0;
  int gained = 0;
  int notMine = 0;
  // A demon taken as it is: one of my demons (each once) or one at base level.
  auto takeAsItIs = [&](DemonRef demon, std::optional<int> mine, Skills& skills, int& start) -> std::string {
    if (excluded(request, demon)) return describe(demon) + " is excluded";
    if (mine) {
      if (*mine < 0 || static_cast<std::size_t>(*mine) >= request.mine.size()) return "no such demon of mine";
      const MyDemon& entry = request.mine[static_cast<std::size_t>(*mine)];
      if (!(entry.demon == demon)) return "my demon " + std::to_string(*mine) + " is not " + describe(demon);
      if (!minesUsed.insert(*mine).second) return "my demon " + std::to_string(*mine) + " used twice";
      skills = bitsOf(entry.skills);
      start = entry.level;
      return {};
    }
    if (!mayTakeAtBase(request, demon)) return describe(demon) + " may not be taken at base level";
    ++notMine;
    skills = innate(demon);
    start = level(demon);
    return {};
  };
  // Levels a demon from its start to `to` and checks what the plan says it learned.
  auto levelUp = [&](DemonRef demon, const Skills& skills, int start, int to, const std::vector<int>& learned,
                     Held& out) -> std::string {
    if (to < start || to > request.levelLimit) return describe(demon) + " at level " + std::to_string(to);
    if (!request.levelling && to != start) return describe(demon) + " levelled with levelling off";
    std::vector<int> expected;
    for (int skill : learnedBetween(demon, start, to)) {
      if (!skills.test(static_cast<std::size_t>(skill))) expected.push_back(skill);
    }
    if (expected != learned) return describe(demon) + " learns other skills";
    out = levelled(demon, skills, start, to);
    highest = std::max(highest, to);
    gained += to - start;
    demons.insert({demon.race, demon.slot});
    return {};
  };
  if (static_cast<int>(total) > request.maxFusions) return "more fusions than allowed";
  Skills targetSkills;
  int targetStart = level(request.target);
  if (total == 0) {
    if (std::string fault = takeAsItIs(request.target, plan.targetMine, targetSkills, targetStart); !fault.empty()) {
      return fault;
    }
  }
  for (std::size_t i = 0; i < total; ++i) {
    const PlanStep& step = plan.steps[i];
    const std::string where = "step " + std::to_string(i) + " (" + describe(step.result) + "): ";
    std::vector<Held> materials;
    for (const PlanMaterial& material : {step.first, step.second}) {
      Skills skills;
      int start = 0;
      if (material.step) {
        if (*material.step < 0 || static_cast<std::size_t>(*material.step) >= i) return where + "material made later";
        const std::size_t made = static_cast<std::size_t>(*material.step);
        if (!(plan.steps[made].result == material.demon)) return where + "material is not what its step made";
        if (material.mine) return where + "a made demon is not one of mine";
        ++uses[made];
        skills = held[made];
        start = level(material.demon);
      } else if (std::string fault = takeAsItIs(material.demon, material.mine, skills, start); !fault.empty()) {
        return where + fault;
      }
      Held levelledMaterial;
      if (std::string fault = levelUp(material.demon, skills, start, material.level, material.learned, levelledMaterial);
          !fault.empty()) {
        return where + fault;
      }
      materials.push_back(levelledMaterial);
    }
    demons.insert({step.result.race, step.result.slot});
    if (excluded(request, step.result)) return where + "result is excluded";
    if (level(step.result) > request.levelLimit) return where + "result above the limit";
    if (!makes(step.first.demon, step.first.level, step.second.demon, step.second.level, step.result, step.kind,
               request.curse)) {
      return where + "materials at those levels do not make it";
    }
    const Skills candidates = pool(step.result, materials[0], materials[1]);
    Skills inherited;
    for (int skill : step.inherited) {
      if (!candidates.test(static_cast<std::size_t>(skill)) || inherited.test(static_cast<std::size_t>(skill))) {
        return where + "cannot inherit " + std::string(skillName(skill));
      }
      inherited.set(static_cast<std::size_t>(skill));
    }
    const int expected = passedCount(step.result, materials[0], materials[1]);
    if (static_cast<int>(inherited.count()) != expected) {
      return where + "inherits " + std::to_string(inherited.count()) + " skills, the rules pass " + std::to_string(expected);
    }
    held[i] = innate(step.result) | inherited;
    if (bitsOf(step.skills) != held[i] || step.skills.size() != held[i].count()) {
      return where + "skill list differs from what it holds";
    }
  }
  if (total > 0) {
    if (!(plan.steps.back().result == request.target)) return "last step does not make the target";
    if (plan.targetMine) return "a made target is not one of mine";
    for (std::size_t i = 0; i + 1 < total; ++i) {
      if (uses[i] != 1) return "step " + std::to_string(i) + " is used " + std::to_string(uses[i]) + " times";
    }
    targetSkills = held.back();
  }
  Held finalHeld;
  if (std::string fault = levelUp(request.target, targetSkills, targetStart, plan.targetLevel, plan.targetLearned, finalHeld);
      !fault.empty()) {
    return "target: " + fault;
  }
  if ((bitsOf(request.skills) & ~finalHeld.skills).any()) return "target lacks a wanted skill";
  if (plan.highestLevel != highest) return "highest level " + std::to_string(plan.highestLevel) + ", not " + std::to_string(highest);
  if (plan.levelsGained != gained) return "levels gained " + std::to_string(plan.levelsGained) + ", not " + std::to_string(gained);
  if (plan.notMine != notMine) return "demons not mine miscounted";
  if (plan.distinctDemons != static_cast<int>(demons.size())) return "distinct demons miscounted";
  return {};
}

std::string answerFault(const PlanRequest& request, const PlanAnswer& answer) {
  if (static_cast<int>(answer.plans.size()) > request.planCount) return "more plans than asked for";
  std::set<std::vector<int>> shapes;
  for (std::size_t p = 0; p < answer.plans.size(); ++p) {
    const Plan& plan = answer.plans[p];
    if (std::string fault = planFault(request, plan); !fault.empty()) return "plan " + std::to_string(p) + ": " + fault;
    if (p > 0 && plan.steps.size() != answer.plans[0].steps.size()) {
      return "plan " + std::to_string(p) + " has more fusions than the first";
    }
    if (p > 0 && rankOf(answer.plans[p - 1]) > rankOf(plan)) return "plan " + std::to_string(p) + " out of order";
    std::vector<int> shape{plan.targetMine.value_or(-1)};
    for (const PlanStep& step : plan.steps) {
      for (const PlanMaterial& material : {step.first, step.second}) {
        shape.insert(shape.end(), {material.demon.race, material.demon.slot, material.step.value_or(-1),
                                   material.mine.value_or(-1)});
      }
      shape.insert(shape.end(), {step.result.race, step.result.slot});
    }
    if (!shapes.insert(shape).second) return "plan " + std::to_string(p) + " repeats an earlier one";
  }
  return {};
}

PlanRank rankOf(const Plan& plan) {
  return {static_cast<int>(plan.steps.size()), plan.notMine, plan.highestLevel, plan.levelsGained, plan.distinctDemons};
}

namespace {

// Whether some plan of exactly `fusions` (0..2) fusions from demons at base
// level keeps every level at most h.
bool existsWithin(const PlanRequest& request, int fusions, int h) {
  const DemonRef target = request.target;
  const Skills wanted = bitsOf(request.skills);
  // The target learns, after it is made, what its second list gives up to h.
  const Skills goal = wanted & ~levelled(target, innate(target), level(target), request.levelling ? h : level(target)).skills;
  auto startAt = [&](DemonRef demon, int to) {
    return levelled(demon, innate(demon), level(demon), request.levelling ? to : level(demon));
  };
  auto reaches = [&](const Held& a, const Held& b) {
    const Skills needed = goal;
    return (needed & ~pool(target, a, b)).none() && static_cast<int>(needed.count()) <= passedCount(target, a, b);
  };
  auto usable = [&](DemonRef demon) { return level(demon) <= h && !excluded(request, demon); };
  if (fusions == 0) return mayTakeAtBase(request, target) && level(target) <= h && goal.none();
  if (!usable(target)) return false;
  for (const Recipe& recipe : recipesOf(target, request.curse)) {
    if (!usable(recipe.a) || !usable(recipe.b)) continue;
    if (fusions == 1) {
      if (!mayTakeAtBase(request, recipe.a) || !mayTakeAtBase(request, recipe.b)) continue;
      for (const auto& [x, y] : levelPairs(request, recipe, level(recipe.a), level(recipe.b), h)) {
        if (reaches(startAt(recipe.a, x), startAt(recipe.b, y))) return true;
      }
      continue;
    }
    for (const bool firstMade : {true, false}) {
      const DemonRef made = firstMade ? recipe.a : recipe.b;
      const DemonRef other = firstMade ? recipe.b : recipe.a;
      if (!mayTakeAtBase(request, other)) continue;
      // What the material taken as it is cannot give, the made one must hold.
      const Skills fromMade = goal & ~startAt(other, h).skills;
      if ((fromMade & ~(startAt(made, h).skills | receivable(made))).any()) continue;
      const Recipe top = firstMade ? recipe : Recipe{recipe.b, recipe.a, recipe.kind, recipe.lowest, recipe.highest};
      for (const Recipe& below : recipesOf(made, request.curse)) {
        if (!usable(below.a) || !usable(below.b) || !mayTakeAtBase(request, below.a) ||
            !mayTakeAtBase(request, below.b)) {
          continue;
        }
        const Skills inheritedNeed = fromMade & ~startAt(made, h).skills;
        if ((inheritedNeed & ~(startAt(below.a, h).skills | startAt(below.b, h).skills)).any()) continue;
        for (const auto& [x, y] : levelPairs(request, below, level(below.a), level(below.b), h)) {
          for (const Skills& middle : outcomes(made, startAt(below.a, x), startAt(below.b, y))) {
            for (const auto& [m, o] : levelPairs(request, top, level(made), level(other), h)) {
              if (reaches(levelled(made, middle, level(made), m), startAt(other, o))) return true;
            }
          }
        }
      }
    }
  }
  return false;
}

// The spans of levels, from `from` up to h, at which a demon may be fused
// holding the same skills: its skills change only where it learns one.
// Without levelling, `from` alone.
std::vector<std::pair<int, int>> sameSkillSpans(const PlanRequest& request, DemonRef demon, int from, int h) {
  std::vector<std::pair<int, int>> spans;
  if (from > h) return spans;
  std::vector<int> starts{from};
  if (request.levelling) {
    for (const auto& [learnAt, skill] : learnList(demon)) {
      if (learnAt > from && learnAt <= h) starts.push_back(learnAt);
    }
  }
  std::ranges::sort(starts);
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    spans.push_back({starts[i], i + 1 < starts.size() ? starts[i + 1] - 1 : (request.levelling ? h : from)});
  }
  return spans;
}

// The least level sum at which the recipe fuses two materials taken within
// these spans, or none: within spans the skills stay the same and the
// levels gained depend on the sum alone.
std::optional<int> leastSum(const Recipe& recipe, std::pair<int, int> spanA, std::pair<int, int> spanB) {
  const int sum = std::max(recipe.lowest, spanA.first + spanB.first);
  if (sum > std::min(recipe.highest, spanA.second + spanB.second)) return std::nullopt;
  return sum;
}

// The lowest level at most h at which the target, made from materials
// holding a and b (or taken at base level when both are empty), holds every
// wanted skill: it inherits, of the wanted skills in the pool, those it
// would learn latest (or never), and learns the rest. None when it cannot.
std::optional<int> targetLevelAfter(const PlanRequest& request, const Held* a, const Held* b, int h) {
  const DemonRef target = request.target;
  std::vector<std::pair<int, int>> missing;  // learn level (h + 1 for never), skill
  const Skills needed = bitsOf(request.skills) & ~innate(target);
  for (int skill = 0; skill < SkillNumberTotal; ++skill) {
    if (!needed.test(static_cast<std::size_t>(skill))) continue;
    int learnAt = h + 1;
    for (const auto& [at, learned] : learnList(target)) {
      if (learned == skill && request.levelling && at > level(target) && at <= h) learnAt = at;
    }
    missing.push_back({learnAt, skill});
  }
  std::ranges::sort(missing, std::greater{});
  if (a && b) {
    const Skills candidates = pool(target, *a, *b);
    int room = passedCount(target, *a, *b);
    std::erase_if(missing, [&](const std::pair<int, int>& entry) {
      if (room == 0 || !candidates.test(static_cast<std::size_t>(entry.second))) return false;
      --room;
      return true;
    });
  }
  int reached = level(target);
  for (const auto& [learnAt, skill] : missing) reached = std::max(reached, learnAt);
  return reached <= h ? std::optional(reached) : std::nullopt;
}

int distinctDemons(std::initializer_list<DemonRef> demons) {
  std::set<std::pair<int, int>> seen;
  for (DemonRef demon : demons) seen.insert({demon.race, demon.slot});
  return static_cast<int>(seen.size());
}

}  // namespace

std::optional<PlanRank> bestRankWithinTwo(const PlanRequest& request) {
  const std::optional<std::pair<int, int>> fewest = bestWithinTwo(request);
  if (!fewest) return std::nullopt;
  const auto [fusions, h] = *fewest;
  const DemonRef target = request.target;
  std::optional<std::pair<int, int>> best;  // levels gained, distinct demons
  auto offer = [&](int gained, int demons) {
    if (!best || std::pair(gained, demons) < *best) best = std::pair(gained, demons);
  };
  auto atBase = [&](DemonRef demon) { return level(demon) <= h && mayTakeAtBase(request, demon); };
  auto heldAt = [&](DemonRef demon, const Skills& held, int from, int to) {
    return levelled(demon, held, from, request.levelling ? to : from);
  };
  // The wanted skills the target cannot learn by levelling up to h.
  const Skills goal = bitsOf(request.skills) & ~heldAt(target, innate(target), level(target), h).skills;
  // Every fusion of two materials taken at base level, at the least sum of
  // each pair of spans: calls visit with what they hold and the levels gained.
  auto fuseFromBase = [&](const Recipe& recipe, auto visit) {
    if (!atBase(recipe.a) || !atBase(recipe.b)) return;
    for (const auto& spanA : sameSkillSpans(request, recipe.a, level(recipe.a), h)) {
      for (const auto& spanB : sameSkillSpans(request, recipe.b, level(recipe.b), h)) {
        const std::optional<int> sum = leastSum(recipe, spanA, spanB);
        if (!sum) continue;
        visit(heldAt(recipe.a, innate(recipe.a), level(recipe.a), spanA.first),
              heldAt(recipe.b, innate(recipe.b), level(recipe.b), spanB.first), *sum - level(recipe.a) - level(recipe.b));
      }
    }
  };
  if (fusions == 0) {
    const std::optional<int> reached = targetLevelAfter(request, nullptr, nullptr, h);
    if (!reached) return std::nullopt;
    return PlanRank{0, 1, h, *reached - level(target), 1};
  }
  for (const Recipe& recipe : recipesOf(target, request.curse)) {
    if (fusions == 1) {
      fuseFromBase(recipe, [&](const Held& a, const Held& b, int gained) {
        if (const std::optional<int> reached = targetLevelAfter(request, &a, &b, h)) {
          offer(gained + *reached - level(target), distinctDemons({target, recipe.a, recipe.b}));
        }
      });
      continue;
    }
    for (const bool firstMade : {true, false}) {
      const DemonRef made = firstMade ? recipe.a : recipe.b;
      const DemonRef other = firstMade ? recipe.b : recipe.a;
      if (!atBase(other) || level(made) > h || excluded(request, made)) continue;
      // What the material taken as it is cannot give, the made one must
      // hold: a bound that only skips plans that cannot answer.
      const Skills fromMade = goal & ~heldAt(other, innate(other), level(other), h).skills;
      const Skills madeLearns = heldAt(made, {}, level(made), h).skills;
      if ((fromMade & ~(innate(made) | madeLearns | receivable(made))).any()) continue;
      for (const Recipe& below : recipesOf(made, request.curse)) {
        const Skills inheritedNeed = fromMade & ~(innate(made) | madeLearns);
        if ((inheritedNeed & ~(heldAt(below.a, innate(below.a), level(below.a), h).skills |
                               heldAt(below.b, innate(below.b), level(below.b), h).skills)).any()) {
          continue;
        }
        fuseFromBase(below, [&](const Held& a, const Held& b, int gainedBelow) {
          for (const Skills& middle : outcomes(made, a, b)) {
            if ((inheritedNeed & ~middle).any()) continue;
            for (const auto& spanMade : sameSkillSpans(request, made, level(made), h)) {
              for (const auto& spanOther : sameSkillSpans(request, other, level(other), h)) {
                const std::optional<int> sum = leastSum(recipe, spanMade, spanOther);
                if (!sum) continue;
                const Held madeHeld = heldAt(made, middle, level(made), spanMade.first);
                const Held otherHeld = heldAt(other, innate(other), level(other), spanOther.first);
                const std::optional<int> reached = targetLevelAfter(request, &madeHeld, &otherHeld, h);
                if (!reached) continue;
                offer(gainedBelow + *sum - level(made) - level(other) + *reached - level(target),
                      distinctDemons({target, made, other, below.a, below.b}));
              }
            }
          }
        });
      }
    }
  }
  if (!best) return std::nullopt;
  return PlanRank{fusions, fusions + 1, h, best->first, best->second};
}

std::optional<std::pair<int, int>> bestWithinTwo(const PlanRequest& request) {
  for (int fusions = 0; fusions <= std::min(2, request.maxFusions); ++fusions) {
    if (!existsWithin(request, fusions, request.levelLimit)) continue;
    int low = level(request.target);
    int high = request.levelLimit;
    while (low < high) {
      const int middle = (low + high) / 2;
      if (existsWithin(request, fusions, middle)) {
        high = middle;
      } else {
        low = middle + 1;
      }
    }
    return std::pair{fusions, low};
  }
  return std::nullopt;
}

}  // namespace qmoor::reference
