// The game data of every demon, generated from data/compendium.tsv into
// compendium_grid.generated.cpp: display texts of the columns HP .. Inheritance
// and the two skill lists.
#pragma once

#include <array>
#include <string_view>

#include "data/compendium.h"
#include "data/types.h"

namespace qmoor {

inline constexpr int GameDataColumnTotal = ColumnTotal - static_cast<int>(Column::HP);
inline constexpr int SkillListLength = 6;

// Texts of the columns HP .. Inheritance in Column order.
using GameDataTexts = std::array<std::string_view, GameDataColumnTotal>;

// Skill numbers packed from the front, 0 for no skill.
struct SkillLists {
  std::array<int, SkillListLength> first{};
  std::array<int, SkillListLength> second{};
};

extern const GameDataTexts CompendiumTexts[RaceTotal][SlotsPerRace];
extern const SkillLists SkillGrid[RaceTotal][SlotsPerRace];

}  // namespace qmoor
