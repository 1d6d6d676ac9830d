// Per-race texts and counts, shared inside the data module: the race name with
// its trailing blanks, the two-character short name and the number of demons.
#pragma once

#include <array>
#include <string_view>

#include "data/types.h"

namespace qmoor {

struct RaceEntry {
  std::string_view name;       // two characters padded to seven Shift-JIS bytes, or three characters
  std::string_view shortName;  // always two characters
  int count;                   // occupied slots 0 .. count - 1
};

inline constexpr std::array<RaceEntry, RaceTotal> RaceTable{{
    {"魔神   ", "魔神", 6},  // 0
    {"女神   ", "女神", 5},  // 1
    {"破壊神", "破壊", 4},  // 2
    {"地母神", "地母", 5},  // 3
    {"鬼神   ", "鬼神", 9},  // 4
    {"聖獣   ", "聖獣", 6},  // 5
    {"妖魔   ", "妖魔", 9},  // 6
    {"妖精   ", "妖精", 9},  // 7
    {"夜魔   ", "夜魔", 10},  // 8
    {"天使   ", "天使", 7},  // 9
    {"堕天使", "堕天", 6},  // 10
    {"龍王   ", "龍王", 6},  // 11
    {"魔獣   ", "魔獣", 6},  // 12
    {"地霊   ", "地霊", 6},  // 13
    {"妖鬼   ", "妖鬼", 9},  // 14
    {"鬼女   ", "鬼女", 9},  // 15
    {"邪神   ", "邪神", 7},  // 16
    {"魔王   ", "魔王", 7},  // 17
    {"妖獣   ", "妖獣", 6},  // 18
    {"幽鬼   ", "幽鬼", 7},  // 19
    {"外道   ", "外道", 8},  // 20
    {"大天使", "大天", 5},  // 21
    {"軍神   ", "軍神", 2},  // 22
    {"幻魔   ", "幻魔", 3},  // 23
    {"龍神   ", "龍神", 2},  // 24
    {"神獣   ", "神獣", 4},  // 25
    {"霊鳥   ", "霊鳥", 1},  // 26
    {"凶鳥   ", "凶鳥", 1},  // 27
    {"威霊   ", "威霊", 1},  // 28
    {"精霊　 ", "精霊", 4},  // 29
    {"御魂　 ", "御魂", 4},  // 30
    {"魔人　 ", "魔人", 9},  // 31
}};

}  // namespace qmoor
