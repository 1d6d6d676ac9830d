// The player's file of my demons, language-neutral:
//   {"format":"quillmoor-demons","version":1,"demons":[{"race":7,"slot":5,"level":20,"skills":[1,4]},…]}
// with skills by catalogue number. Reading keeps every entry, readable or not,
// and the fields a later version may add; writing puts each back as it was read.
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
  NotDemonsFile,   // JSON, but not an object with one format, "quillmoor-demons"
  BadField,        // version or demons missing, given twice or of the wrong kind (field says which)
  UnknownVersion,  // a version other than DemonsFileVersion (version says which)
};

struct DemonsFileRead {
  DemonsFileProblem problem = DemonsFileProblem::None;
  int line = 0;      // NotJson: the line of the first fault
  int version = 0;   // UnknownVersion: the version written
  std::string field;  // BadField: "version" (one whole number) or "demons" (one array)
  std::vector<MyDemon> demons;  // empty unless problem is None
  // The members besides format, version and demons, as written and joined by
  // commas: the fields of a later version, to be written back unchanged.
  std::string otherFields;
};

DemonsFileRead parseDemonsFile(std::string_view text);
// One entry a line; an unread entry goes back as its own text, and the other
// fields a read gave go back after the version.
std::string serialiseDemonsFile(std::span<const MyDemon> demons, std::string_view otherFields = {});

}  // namespace qmoor
