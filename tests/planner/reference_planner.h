// A literal reading of the inheritance rules, kept apart from the planner:
// a replay that checks every step of a plan, and a brute force over every
// plan of up to two fusions that finds the shortest.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "planner/plan.h"

namespace qmoor::reference {

// Empty when the plan follows the rules and answers the request, else what is wrong.
std::string planFault(const PlanRequest& request, const Plan& plan);
// Empty when every plan is sound, the plans are in order and no two are alike.
std::string answerFault(const PlanRequest& request, const PlanAnswer& answer);

// How plans rank: fewest fusions, then lowest highest level, then fewest distinct demons.
using PlanRank = std::tuple<int, int, int>;
PlanRank rankOf(const Plan& plan);

// The best rank of any plan tree of at most two fusions, or none when there is none.
std::optional<PlanRank> bestWithinTwo(const PlanRequest& request);

}  // namespace qmoor::reference
