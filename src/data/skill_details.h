// What each selectable skill does, as the game's own table gives it: kind,
// element, cost, target, power and the game's English help text, with the
// table's keywords for each of them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/types.h"

namespace qmoor {

enum class SkillKind { Attack, Ailment, Recovery, Support, Field, Passive, Talk };
enum class SkillElement { Physical, Fire, Ice, Elec, Force, Light, Dark, Almighty, Curse, Nerve, Mind, None };
enum class SkillTarget { One, All, Random, Party, Self };
inline constexpr int SkillKindTotal = 7;
inline constexpr int SkillElementTotal = 12;
inline constexpr int SkillTargetTotal = 5;

struct SkillCost {
  enum class Kind { None, Mp, HpShare };  // none for passive and talk skills
  Kind kind = Kind::None;
  int amount = 0;  // MP, or percent of the user's maximum HP
};

struct SkillPower {
  enum class Kind { None, Figure, Share };  // a share is a percentage of HP
  Kind kind = Kind::None;
  int amount = 0;
};

struct SkillDetails {
  int skill = 0;
  SkillKind kind = SkillKind::Attack;
  SkillElement element = SkillElement::None;
  SkillCost cost;
  SkillTarget target = SkillTarget::One;
  SkillPower power;
  std::string_view englishDescription;  // the game's help text; no Japanese one is known
};

// The 251 selectable skills in catalogue order.
std::span<const SkillDetails> skillTable();
// The entry of a selectable skill; nullptr for any other number.
const SkillDetails* skillDetails(int skill);

// The table's own keywords ("attack", "fire", "one", ...), the same in every language.
std::string_view keyword(SkillKind kind);
std::string_view keyword(SkillElement element);
std::string_view keyword(SkillTarget target);
// The kind, element or target a keyword stands for; nothing for any other text.
std::optional<SkillKind> skillKindOfKeyword(std::string_view text);
std::optional<SkillElement> skillElementOfKeyword(std::string_view text);
std::optional<SkillTarget> skillTargetOfKeyword(std::string_view text);
// "MP 3" or "HP 15%"; empty for none.
std::string costText(SkillCost cost);
// "37" or "50%"; empty for none.
std::string powerText(SkillPower power);

}  // namespace qmoor
