// Addressing of demons, races and skills shared by every module.
#pragma once

namespace qmoor {

using Race = int;  // 0..31
using Slot = int;  // 0..9, descending level within a race

inline constexpr int RaceTotal = 32;
inline constexpr int SlotsPerRace = 10;
inline constexpr int DemonTotal = 183;
inline constexpr int SkillNumberTotal = 312;   // skill numbers 0..311
inline constexpr int SkillSentinel = 311;      // "no selected skill"
inline constexpr int SkillOrderLength = 252;   // sentinel + 251 selectable skills
inline constexpr int SelectableSkillTotal = 251;

inline constexpr Race SpiritRace = 29;  // 精霊
inline constexpr Race MitamaRace = 30;  // 御魂
inline constexpr Race PhaseRace = 31;   // 魔人: made at a moon phase

// The three ways two demons fuse: by the chart of races, a demon with a
// spirit (精霊), or at a moon phase into a demon of race 31.
enum class FusionKind { Normal, Spirit, Phase };

// A demon, zero-based. Tables store it one-based; read those through fromStored().
struct DemonRef {
  Race race = 0;
  Slot slot = 0;
  friend constexpr bool operator==(DemonRef, DemonRef) = default;
};

}  // namespace qmoor
