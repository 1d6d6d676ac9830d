// The route search's pruning bounds: the fewest fusions to have a demon or
// to have it carry a wanted skill, and the most skills a demon made with b
// fusions can hold, each from the rules with something left out so that it
// never overstates what a plan can do.
#include <algorithm>

#include "data/skill_inheritance.h"
#include "planner/route_search.h"

namespace qmoor::detail {
namespace {

constexpr int Unreachable = 1000;

}  // namespace

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

}  // namespace qmoor::detail
