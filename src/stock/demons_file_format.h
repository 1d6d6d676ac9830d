// The player's file of my demons, language-neutral:
//   {"format":"quillmoor-demons","version":1,"demons":[{"race":7,"slot":5,"level":20,"skills":[1,4]},…]}
// with skills by catalogue number. Reading keeps every entry, readable or not;
// writing puts each entry back as it was read.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stock/my_demon.h"

namespace qmoor {

inline constexpr std::string_view DemonsFileFormat = "quillmoor-demons";
inline constexpr int DemonsFileVersion = 1;

enum class DemonsFileProblem {
  None,
  NotJson,         // not one JSON value (line says where)
  NotDemonsFile,   // JSON, but not an object of exactly format, version and demons
  UnknownVersion,  // a version other than DemonsFileVersion (version says which)
};

struct DemonsFileRead {
  DemonsFileProblem problem = DemonsFileProblem::None;
  int line = 0;      // NotJson: the line of the first fault
  int version = 0;   // UnknownVersion: the version written
  std::vector<MyDemon> demons;  // empty unless problem is None
};

DemonsFileRead parseDemonsFile(std::string_view text);
// One entry a line; an unread entry goes back as its own text.
std::string serialiseDemonsFile(std::span<const MyDemon> demons);

}  // namespace qmoor
