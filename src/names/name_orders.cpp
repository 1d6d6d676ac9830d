// The skill order of the combos that Japanese sorts by kana: alphabetical by
// English name in English, computed once from the kana order's skills.
#include <algorithm>
#include <array>

#include "data/skills.h"
#include "names/names.h"

namespace qmoor {
namespace {

const std::array<int, SkillOrderLength>& alphabeticalOrder() {
  static const std::array<int, SkillOrderLength> order = [] {
    std::array<int, SkillOrderLength> skills{};
    for (int position = 0; position < SkillOrderLength; ++position) skills[position] = kanaOrderAt(position);
    // Equal folded names keep their kana order, so the order is the same on every run.
    std::stable_sort(skills.begin() + 1, skills.end(), [](int a, int b) {
      return foldName(skillName(a, Language::English)) < foldName(skillName(b, Language::English));
    });
    return skills;
  }();
  return order;
}

}  // namespace

int nameOrderAt(int position, Language language) {
  if (language == Language::Japanese) return kanaOrderAt(position);
  return alphabeticalOrder()[static_cast<std::size_t>(position)];
}

int namePositionOf(int skill, Language language) {
  if (language == Language::Japanese) return kanaPositionOf(skill);
  const auto& order = alphabeticalOrder();
  const auto found = std::find(order.begin(), order.end(), skill);
  return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

}  // namespace qmoor
