// One of the player's own demons (所持悪魔): the demon, its current level and
// the skills it holds in the player's order, as the player's file keeps it.
#pragma once

#include <string>
#include <vector>

#include "data/types.h"

namespace qmoor {

struct MyDemon {
  DemonRef demon;           // as written; may name no demon of the roster
  int level = 0;
  std::vector<int> skills;  // catalogue numbers in the player's order
  // The entry's own text when the file's entry is not an object with these
  // four fields; such an entry is written back as it was read.
  std::string unread;
  // The entry's other fields as written, joined by commas: a later version's,
  // written back unchanged.
  std::string otherFields{};
  friend bool operator==(const MyDemon&, const MyDemon&) = default;
};

// The demon as fusion or the compendium gives it: at its base level with its
// innate skills ("？" left out). Precondition: the demon is occupied.
MyDemon atBaseLevel(DemonRef demon);

}  // namespace qmoor
