// A literal reading of the inheritance rules, kept apart from the planner:
// a replay that checks every step of a plan, and a brute force over every
// plan of up to two fusions that finds the shortest and lowest one.
#pragma once

#include <string>

#include "planner/plan.h"

namespace qmoor::reference {

// Empty when the plan follows the rules and answers the request, else what is wrong.
std::string planFault(const PlanRequest& request, const Plan& plan);
// Empty when every plan is sound, the plans are in order and no two are alike.
std::string answerFault(const PlanRequest& request, const PlanAnswer& answer);

struct Shortest {
  int fusions = -1;  // -1: no plan of at most two fusions
  int highestLevel = 0;
};
// Every plan tree of at most two fusions, every demon within the limit as a leaf.
Shortest shortestWithinTwo(const PlanRequest& request);

}  // namespace qmoor::reference
