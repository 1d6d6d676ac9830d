// What every pair of my demons makes at their levels, with how many skills
// each result inherits from the pair and the pool it draws them from.
#pragma once

#include <span>
#include <vector>

#include "forward/forward_fusion.h"
#include "forward/inheritance.h"
#include "stock/my_demon.h"

namespace qmoor {

struct MyFusionResult {
  DemonRef result;  // at its base level
  FusionKind kind;
  Inheritance inheritance;
};

struct MyFusion {
  int first;   // indexes into my demons, first < second
  int second;
  std::vector<MyFusionResult> results;  // the normal result, the phase results, the spirit result
};

// Every pair that makes something, in list order; entries with a problem
// (checkEntry) take no part.
std::vector<MyFusion> fusionsAmong(std::span<const MyDemon> demons, bool curse);

}  // namespace qmoor
