// The reference model: marks and inheritability read from the data file,
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
#include "data/skills.h"
#include "forward/forward_fusion.h"
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

bool demonHasMark(DemonRef demon, const std::string& mark) {
  if (mark == "none") return true;
  for (int k = 0; k < 10; ++k) {
    if (cell(markColumn(k), demon) == mark) return true;
  }
  return false;
}

// A demon at its base level holds its first list; "？" is no skill.
Skills readInnate(DemonRef demon) {
  Skills skills;
  for (int skill : skillsOf(demon, SkillList::First)) {
    if (skill != 0 && skillName(skill) != "？") skills.set(static_cast<std::size_t>(skill));
  }
  return skills;
}

using DemonSkills = std::array<std::array<Skills, SlotsPerRace>, RaceTotal>;

const Skills& innate(DemonRef demon) {
  static const DemonSkills table = [] {
    DemonSkills skills{};
    for (Race race = 0; race < RaceTotal; ++race) {
      for (Slot slot = 0; slot < SlotsPerRace; ++slot) skills[race][slot] = readInnate({race, slot});
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
        Skills& kept = skills[race][slot];
        for (const auto& [skill, mark] : inheritableSkills()) {
          if (demonHasMark({race, slot}, mark)) kept.set(static_cast<std::size_t>(skill));
        }
      }
    }
    return skills;
  }();
  return table[demon.race][demon.slot];
}

Skills pool(DemonRef result, const Skills& a, const Skills& b) { return (a | b) & ~innate(result) & receivable(result); }

int passedCount(DemonRef result, const Skills& a, const Skills& b) {
  const int fromCount = passing(static_cast<int>(a.count() + b.count()));
  const int room = 8 - static_cast<int>(innate(result).count());
  return std::min({fromCount, room, static_cast<int>(pool(result, a, b).count())});
}

bool makes(DemonRef a, DemonRef b, DemonRef result, FusionKind kind, bool curse) {
  if (a == result || b == result) return false;
  const FusionOutcome outcome = fuse(a, b, curse);
  switch (kind) {
    case FusionKind::Normal: return outcome.normal == result;
    case FusionKind::Spirit: return outcome.spirit == result;
    case FusionKind::Phase: return std::ranges::find(outcome.phase, result) != outcome.phase.end();
  }
  return false;
}

bool mayStart(const PlanRequest& request, DemonRef demon) {
  return level(demon) <= request.levelLimit &&
         (!request.owned || std::ranges::find(*request.owned, demon) != request.owned->end());
}

Skills wanted(const PlanRequest& request) {
  Skills skills;
  for (int skill : request.skills) skills.set(static_cast<std::size_t>(skill));
  return skills;
}

std::string describe(DemonRef demon) {
  return std::string(cell(Column::Name, demon)) + "(" + std::to_string(demon.race) + "/" + std::to_string(demon.slot) + ")";
}

// Whether the result can come out holding every skill of the goal.
bool reaches(DemonRef result, const Skills& a, const Skills& b, const Skills& goal) {
  const Skills needed = goal & ~innate(result);
  return (needed & ~pool(result, a, b)).none() && static_cast<int>(needed.count()) <= passedCount(result, a, b);
}

// Every skill set the result can hold after fusing materials that hold a and b.
std::vector<Skills> outcomes(DemonRef result, const Skills& a, const Skills& b) {
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

}  // namespace

std::string planFault(const PlanRequest& request, const Plan& plan) {
  const std::size_t total = plan.steps.size();
  std::vector<Skills> held(total);
  std::vector<int> uses(total, 0);
  std::set<std::pair<int, int>> demons;
  int highest = 0;
  auto visit = [&](DemonRef demon) {
    demons.insert({demon.race, demon.slot});
    highest = std::max(highest, level(demon));
  };
  if (static_cast<int>(total) > request.maxFusions) return "more fusions than allowed";
  if (total == 0) {
    visit(request.target);
    if (!mayStart(request, request.target)) return "target cannot be taken as it is";
    if ((wanted(request) & ~innate(request.target)).any()) return "target lacks a wanted skill";
  }
  for (std::size_t i = 0; i < total; ++i) {
    const PlanStep& step = plan.steps[i];
    const std::string where = "step " + std::to_string(i) + " (" + describe(step.result) + "): ";
    std::vector<Skills> materialSkills;
    for (const PlanMaterial& material : {step.first, step.second}) {
      visit(material.demon);
      if (material.step) {
        if (*material.step < 0 || static_cast<std::size_t>(*material.step) >= i) return where + "material made later";
        if (!(plan.steps[static_cast<std::size_t>(*material.step)].result == material.demon)) return where + "material is not what its step made";
        ++uses[static_cast<std::size_t>(*material.step)];
        materialSkills.push_back(held[static_cast<std::size_t>(*material.step)]);
      } else {
        if (!mayStart(request, material.demon)) return where + describe(material.demon) + " may not start a plan";
        materialSkills.push_back(innate(material.demon));
      }
    }
    visit(step.result);
    if (level(step.result) > request.levelLimit) return where + "result above the limit";
    if (!makes(step.first.demon, step.second.demon, step.result, step.kind, request.curse)) return where + "materials do not make it";
    const Skills candidates = pool(step.result, materialSkills[0], materialSkills[1]);
    Skills inherited;
    for (int skill : step.inherited) {
      if (!candidates.test(static_cast<std::size_t>(skill)) || inherited.test(static_cast<std::size_t>(skill))) {
        return where + "cannot inherit " + std::string(skillName(skill));
      }
      inherited.set(static_cast<std::size_t>(skill));
    }
    const int expected = passedCount(step.result, materialSkills[0], materialSkills[1]);
    if (static_cast<int>(inherited.count()) != expected) {
      return where + "inherits " + std::to_string(inherited.count()) + " skills, the rules pass " + std::to_string(expected);
    }
    held[i] = innate(step.result) | inherited;
    Skills listed;
    for (int skill : step.skills) listed.set(static_cast<std::size_t>(skill));
    if (listed != held[i] || step.skills.size() != held[i].count()) return where + "skill list differs from what it holds";
  }
  if (total > 0) {
    if (!(plan.steps.back().result == request.target)) return "last step does not make the target";
    for (std::size_t i = 0; i + 1 < total; ++i) {
      if (uses[i] != 1) return "step " + std::to_string(i) + " is used " + std::to_string(uses[i]) + " times";
    }
    if ((wanted(request) & ~held.back()).any()) return "target lacks a wanted skill";
  }
  if (plan.highestLevel != highest) return "highest level " + std::to_string(plan.highestLevel) + ", not " + std::to_string(highest);
  if (plan.distinctDemons != static_cast<int>(demons.size())) return "distinct demons miscounted";
  return {};
}

std::string answerFault(const PlanRequest& request, const PlanAnswer& answer) {
  if (static_cast<int>(answer.plans.size()) > request.planCount) return "more plans than asked for";
  std::set<std::vector<int>> shapes;
  for (std::size_t p = 0; p < answer.plans.size(); ++p) {
    const Plan& plan = answer.plans[p];
    if (std::string fault = planFault(request, plan); !fault.empty()) return "plan " + std::to_string(p) + ": " + fault;
    if (p > 0) {
      const Plan& before = answer.plans[p - 1];
      if (rankOf(before) > rankOf(plan)) {
        return "plan " + std::to_string(p) + " out of order";
      }
    }
    std::vector<int> shape;
    for (const PlanStep& step : plan.steps) {
      for (const PlanMaterial& material : {step.first, step.second}) {
        shape.insert(shape.end(), {material.demon.race, material.demon.slot, material.step.value_or(-1)});
      }
      shape.insert(shape.end(), {step.result.race, step.result.slot});
    }
    if (!shapes.insert(shape).second) return "plan " + std::to_string(p) + " repeats an earlier one";
  }
  return {};
}

PlanRank rankOf(const Plan& plan) {
  return {static_cast<int>(plan.steps.size()), plan.highestLevel, plan.distinctDemons};
}

std::optional<PlanRank> bestWithinTwo(const PlanRequest& request) {
  const DemonRef target = request.target;
  const Skills goal = wanted(request);
  if (mayStart(request, target) && (goal & ~innate(target)).none()) return PlanRank{0, level(target), 1};
  // The pairs making each demon, from forward fusion over every pair, once per chart.
  using Makers = std::map<std::pair<int, int>, std::vector<std::pair<DemonRef, DemonRef>>>;
  static const std::array<Makers, 2> byChart = [] {
    std::vector<DemonRef> all;
    for (Race race = 0; race < RaceTotal; ++race) {
      for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
        if (isOccupied({race, slot})) all.push_back({race, slot});
      }
    }
    std::array<Makers, 2> charts;
    for (bool curse : {false, true}) {
      for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j) {
          const FusionOutcome outcome = fuse(all[i], all[j], curse);
          std::vector<DemonRef> results(outcome.phase);
          if (outcome.normal) results.push_back(*outcome.normal);
          if (outcome.spirit) results.push_back(*outcome.spirit);
          for (DemonRef result : results) {
            if (!(result == all[i]) && !(result == all[j])) charts[curse][{result.race, result.slot}].push_back({all[i], all[j]});
          }
        }
      }
    }
    return charts;
  }();
  auto pairsMaking = [&](DemonRef demon) {
    std::vector<std::pair<DemonRef, DemonRef>> pairs;
    if (level(demon) > request.levelLimit || !byChart[request.curse].contains({demon.race, demon.slot})) return pairs;
    for (const auto& [a, b] : byChart[request.curse].at({demon.race, demon.slot})) {
      if (level(a) <= request.levelLimit && level(b) <= request.levelLimit) pairs.push_back({a, b});
    }
    return pairs;
  };
  std::optional<PlanRank> best;
  auto offer = [&](std::initializer_list<DemonRef> demons) {
    std::set<std::pair<int, int>> distinct;
    int highest = 0;
    for (DemonRef demon : demons) {
      distinct.insert({demon.race, demon.slot});
      highest = std::max(highest, level(demon));
    }
    const PlanRank rank{static_cast<int>(demons.size() / 2), highest, static_cast<int>(distinct.size())};
    if (!best || rank < *best) best = rank;
  };
  for (const auto& [a, b] : pairsMaking(target)) {
    if (mayStart(request, a) && mayStart(request, b)) {
      if (reaches(target, innate(a), innate(b), goal)) offer({target, a, b});
    }
    for (const auto& [made, other] : {std::pair{a, b}, std::pair{b, a}}) {
      if (!mayStart(request, other)) continue;
      for (const auto& [x, y] : pairsMaking(made)) {
        if (!mayStart(request, x) || !mayStart(request, y)) continue;
        for (const Skills& middle : outcomes(made, innate(x), innate(y))) {
          if (reaches(target, middle, innate(other), goal)) offer({target, made, other, x, y});
        }
      }
    }
  }
  return best;
}

}  // namespace qmoor::reference
