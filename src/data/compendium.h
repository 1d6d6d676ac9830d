// The compiled-in compendium: every demon's displayed data, level and kind,
// and the five labels that demon lists show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/types.h"

namespace qmoor {

// Text columns of the compendium, in the order the detail view shows them.
enum class Column : int {
  Level = 0,
  Name,
  HP,
  MP,
  Strength,
  Magic,
  Vitality,
  Agility,
  Luck,
  FirstResistance,           // ten columns: 物理 火炎 氷結 電撃 衝撃 破魔 呪殺 魔力 神経 精神
  FirstMark = FirstResistance + 10,  // ten columns: 口 羽 目 突 咬 爪 針 武 乙 会
  Inheritance = FirstMark + 10,
  Count
};
inline constexpr int ColumnTotal = static_cast<int>(Column::Count);
constexpr Column resistanceColumn(int k) { return static_cast<Column>(static_cast<int>(Column::FirstResistance) + k); }
constexpr Column markColumn(int k) { return static_cast<Column>(static_cast<int>(Column::FirstMark) + k); }

// Precondition for all: the demon is occupied (isOccupied).
std::string_view cell(Column column, DemonRef demon);
int level(DemonRef demon);
// How a demon is made: by the fusion chart, by a special recipe that names
// one material demon or two, or as a spirit (精霊) of a spirit fusion.
enum class DemonOrigin { Chart, OneNamedMaterial, TwoNamedMaterials, Spirit };
DemonOrigin originOf(DemonRef demon);
bool isSpecial(DemonRef demon);   // every origin but the chart
bool isOccupied(DemonRef demon);  // race 0..31 and slot 0..raceCount-1; false for anything else

// A stored one-based pair (race + 1, slot + 1); stored race 0 names no demon.
std::optional<DemonRef> fromStored(int storedRace, int storedSlot);

std::string fullLabel(DemonRef demon);      // "LV" + Level + " " + RaceName + " " + Name
std::string holderLabel(DemonRef demon);    // "LV" + Level + "　" + RaceName + " " + Name
std::string raceLabel(DemonRef demon);      // "LV" + Level + " " + Name
std::string materialLabel(DemonRef demon);  // Level + " " + Name
std::string resultLabel(DemonRef demon);    // RaceShortName + " " + Level + " " + Name

}  // namespace qmoor
