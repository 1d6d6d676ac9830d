// Race-level fusion tables besides the charts: the direction a spirit moves a
// demon within its race, the races NEUTRAL admits, and the result races behind
// the moon-phase demons of race 31.
#include "data/races.h"

#include <array>

namespace qmoor {
namespace {

constexpr int SpiritTotal = 4;

// Per race and spirit (フレイミーズ, アクアンズ, エアロス, アーシーズ): 0 to the next
// lower demon, 1 to the next higher, 9 no spirit fusion.
constexpr int SpiritDirection[RaceTotal][SpiritTotal] = {
    /*  0 魔神 */ {0, 0, 0, 0},
    /*  1 女神 */ {0, 0, 0, 0},
    /*  2 破壊 */ {0, 0, 0, 0},
    /*  3 地母 */ {0, 0, 0, 1},
    /*  4 鬼神 */ {0, 0, 0, 1},
    /*  5 聖獣 */ {1, 0, 0, 0},
    /*  6 妖魔 */ {0, 1, 1, 0},
    /*  7 妖精 */ {0, 1, 0, 1},
    /*  8 夜魔 */ {0, 0, 1, 0},
    /*  9 天使 */ {1, 1, 0, 0},
    /* 10 堕天 */ {1, 0, 1, 0},
    /* 11 龍王 */ {1, 1, 0, 0},
    /* 12 魔獣 */ {1, 0, 1, 0},
    /* 13 地霊 */ {0, 0, 1, 1},
    /* 14 妖鬼 */ {1, 1, 0, 1},
    /* 15 鬼女 */ {1, 1, 0, 1},
    /* 16 邪神 */ {0, 0, 0, 0},
    /* 17 魔王 */ {0, 0, 0, 0},
    /* 18 妖獣 */ {1, 1, 0, 0},
    /* 19 幽鬼 */ {0, 0, 1, 0},
    /* 20 外道 */ {0, 1, 0, 0},
    /* 21 大天 */ {9, 9, 9, 9},
    /* 22 軍神 */ {9, 9, 9, 9},
    /* 23 幻魔 */ {9, 9, 9, 9},
    /* 24 龍神 */ {9, 9, 9, 9},
    /* 25 神獣 */ {9, 9, 9, 9},
    /* 26 霊鳥 */ {9, 9, 9, 9},
    /* 27 凶鳥 */ {9, 9, 9, 9},
    /* 28 威霊 */ {9, 9, 9, 9},
    /* 29 精霊 */ {9, 9, 9, 9},
    /* 30 御魂 */ {9, 9, 9, 9},
    /* 31 魔人 */ {9, 9, 9, 9},
};

// Stored race + 1: the races 妖魔 .. 鬼女.
constexpr int NeutralRaces[] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

constexpr auto NeutralMembers = [] {
  std::array<bool, RaceTotal> members{};
  for (int stored : NeutralRaces) members[stored - 1] = true;
  return members;
}();

// Stored race + 1 per slot of race 31: the chart result race of its moon-phase fusion.
constexpr int PhaseFusionRaces[] = {18, 18, 18, 9, 8, 7, 8, 9, 7};

}  // namespace

int spiritDirection(Race race, int spirit) { return SpiritDirection[race][spirit]; }

bool isNeutralPair(Race a, Race b) { return NeutralMembers[a] && NeutralMembers[b]; }

Race phaseFusionRace(Slot slotOfRace31) { return PhaseFusionRaces[slotOfRace31] - 1; }

}  // namespace qmoor
