// The file of my demons as a document: where it lives and what reading it
// came to. Reading and writing the disk is the front ends' part (files/);
// they hand over what the read gave.
#pragma once

#include <string>
#include <string_view>

#include "stock/demons_file_format.h"

namespace qmoor {

// $XDG_DATA_HOME/Quillmoor/demons.json, or ~/.local/share/Quillmoor/demons.json
// when XDG_DATA_HOME is unset, empty or relative; "" when neither is known.
// Either argument may be null.
std::string defaultDemonsFilePath(const char* xdgDataHome, const char* home);

inline constexpr std::size_t LargestDemonsFile = 1 << 20;  // bytes; about 15,000 entries

enum class DemonsFileState {
  Loaded,       // read and parsed; demons hold every entry
  NoFile,       // nothing at the path yet
  CannotRead,   // error holds the system's error number
  TooLarge,     // more than LargestDemonsFile bytes
  CannotParse,  // read.problem says why
};

struct DemonsFileLoad {
  DemonsFileState state = DemonsFileState::Loaded;
  int error = 0;
  DemonsFileRead read;
  bool loaded() const { return state == DemonsFileState::Loaded; }
};

// What reading the file came to: errorNumber is the system's error of the
// read (0 when it succeeded), text the file's first LargestDemonsFile bytes
// and whole whether that was all of it.
DemonsFileLoad demonsFileLoad(int errorNumber, std::string_view text, bool whole);

}  // namespace qmoor
