// A literal reading of the inheritance rules, kept apart from the planner:
// a replay that checks every step of a plan, and a brute force over every
// plan of up to two fusions that finds the shortest.
#pragma once

#include <string>

#include "planner/plan.h"

namespace qmoor::reference {

// Empty when the plan follows the rules and answers the request, else what is wrong.
std::string planFault(const PlanRequest& request, const Plan& plan);
// Empty when every plan is sound, the plans are in order and no two are alike.
std::string answerFault(const PlanRequest& request, const PlanAnswer& answer);

// The fewest fusions of any plan tree of at most two, or -1 when there is none.
int shortestWithinTwo(const PlanRequest& request);

}  // namespace qmoor::reference
