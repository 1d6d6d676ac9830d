// A literal reading of the inheritance and levelling rules, kept apart from
// the planner: a replay that checks every step of a plan, and a brute force
// over every plan of up to two fusions that finds the best rank.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "planner/plan.h"

namespace qmoor::reference {

// Empty when the plan follows the rules and answers the request, else what is wrong.
std::string planFault(const PlanRequest& request, const Plan& plan);
// Empty when every plan is sound, all have as many fusions, the plans are in
// order and no two are alike.
std::string answerFault(const PlanRequest& request, const PlanAnswer& answer);

// How plans rank: fewest fusions, fewest demons not mine, lowest highest
// level, fewest levels gained, fewest distinct demons.
using PlanRank = std::tuple<int, int, int, int, int>;
PlanRank rankOf(const Plan& plan);

// The fewest fusions and, with them, the lowest highest level of any plan
// of at most two fusions from demons at base level, or none when there is none.
std::optional<std::pair<int, int>> bestWithinTwo(const PlanRequest& request);
// The best rank of any such plan, every level at most that lowest highest
// level, found by trying them all; none when there is none.
std::optional<PlanRank> bestRankWithinTwo(const PlanRequest& request);

// What a normal fusion of the two demons at those levels makes, read from
// the level rule directly.
std::optional<DemonRef> normalAt(DemonRef a, int levelA, DemonRef b, int levelB, bool curse);

}  // namespace qmoor::reference
