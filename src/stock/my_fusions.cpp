// Fusing every pair of my demons.
#include "stock/my_fusions.h"

#include "stock/holding_rule.h"

namespace qmoor {

std::vector<MyFusion> fusionsAmong(std::span<const MyDemon> demons, bool curse) {
  std::vector<int> usable;
  for (std::size_t i = 0; i < demons.size(); ++i) {
    if (checkEntry(demons[i]).problem == EntryProblem::None) usable.push_back(static_cast<int>(i));
  }
  std::vector<MyFusion> fusions;
  for (std::size_t x = 0; x < usable.size(); ++x) {
    const MyDemon& a = demons[static_cast<std::size_t>(usable[x])];
    for (std::size_t y = x + 1; y < usable.size(); ++y) {
      const MyDemon& b = demons[static_cast<std::size_t>(usable[y])];
      const FusionOutcome outcome = fuseAtLevels({a.demon, a.level}, {b.demon, b.level}, curse);
      if (!outcome.makesSomething()) continue;
      MyFusion& fusion = fusions.emplace_back(MyFusion{usable[x], usable[y], {}});
      auto add = [&](DemonRef result, FusionKind kind) {
        fusion.results.push_back({result, kind, inheritance(a.skills, b.skills, result)});
      };
      if (outcome.normal) add(*outcome.normal, FusionKind::Normal);
      for (const DemonRef phase : outcome.phase) add(phase, FusionKind::Phase);
      if (outcome.spirit) add(*outcome.spirit, FusionKind::Spirit);
    }
  }
  return fusions;
}

}  // namespace qmoor
