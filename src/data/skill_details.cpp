// The skill table by skill number, and the table's keywords and cost and power texts.
#include "data/skill_details.h"

#include <array>

#include "data/skill_table.generated.h"

namespace qmoor {
namespace {

constexpr std::array<std::string_view, SkillKindTotal> KindKeywords{"attack",  "ailment", "recovery", "support",
                                                                    "field",   "passive", "talk"};
constexpr std::array<std::string_view, SkillElementTotal> ElementKeywords{
    "physical", "fire", "ice", "elec", "force", "light", "dark", "almighty", "curse", "nerve", "mind", "none"};
constexpr std::array<std::string_view, SkillTargetTotal> TargetKeywords{"one", "all", "random", "party", "self"};

constexpr auto EntryOfSkill = [] {
  std::array<int, SkillNumberTotal> entry{};
  entry.fill(-1);
  for (std::size_t i = 0; i < SkillTable.size(); ++i) entry[static_cast<std::size_t>(SkillTable[i].skill)] = static_cast<int>(i);
  return entry;
}();

template <class Code, std::size_t N>
std::optional<Code> codeOf(const std::array<std::string_view, N>& keywords, std::string_view text) {
  for (std::size_t i = 0; i < N; ++i) {
    if (keywords[i] == text) return static_cast<Code>(i);
  }
  return std::nullopt;
}

}  // namespace

std::span<const SkillDetails> skillTable() { return SkillTable; }

const SkillDetails* skillDetails(int skill) {
  if (skill < 0 || skill >= SkillNumberTotal) return nullptr;
  const int entry = EntryOfSkill[static_cast<std::size_t>(skill)];
  return entry < 0 ? nullptr : &SkillTable[static_cast<std::size_t>(entry)];
}

std::string_view keyword(SkillKind kind) { return KindKeywords[static_cast<std::size_t>(kind)]; }
std::string_view keyword(SkillElement element) { return ElementKeywords[static_cast<std::size_t>(element)]; }
std::string_view keyword(SkillTarget target) { return TargetKeywords[static_cast<std::size_t>(target)]; }

std::optional<SkillKind> skillKindOfKeyword(std::string_view text) { return codeOf<SkillKind>(KindKeywords, text); }
std::optional<SkillElement> skillElementOfKeyword(std::string_view text) {
  return codeOf<SkillElement>(ElementKeywords, text);
}
std::optional<SkillTarget> skillTargetOfKeyword(std::string_view text) {
  return codeOf<SkillTarget>(TargetKeywords, text);
}

std::string costText(SkillCost cost) {
  switch (cost.kind) {
    case SkillCost::Kind::Mp:
      return "MP " + std::to_string(cost.amount);
    case SkillCost::Kind::HpShare:
      return "HP " + std::to_string(cost.amount) + "%";
    case SkillCost::Kind::None:
      break;
  }
  return {};
}

std::string powerText(SkillPower power) {
  switch (power.kind) {
    case SkillPower::Kind::Figure:
      return std::to_string(power.amount);
    case SkillPower::Kind::Share:
      return std::to_string(power.amount) + "%";
    case SkillPower::Kind::None:
      break;
  }
  return {};
}

}  // namespace qmoor
