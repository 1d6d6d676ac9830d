// The file of my demons on disk: where it lives, reading it whole, and saving
// it through the project's safe saving (the old file stays whole until the
// new one is complete).
#pragma once

#include <span>
#include <string>

#include "stock/demons_file_format.h"

namespace qmoor {

// $XDG_DATA_HOME/Quillmoor/demons.json, or ~/.local/share/Quillmoor/demons.json
// when XDG_DATA_HOME is unset, empty or relative; "" when neither is known.
// Either argument may be null.
std::string defaultDemonsFilePath(const char* xdgDataHome, const char* home);

inline constexpr std::size_t LargestDemonsFile = 4 << 20;  // bytes; about 60,000 entries

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

DemonsFileLoad loadDemonsFile(const std::string& path);

// Writes the demons to the path, making its folder first when it is missing.
// Returns an empty text on success, otherwise the reason.
std::string saveDemonsFile(const std::string& path, std::span<const MyDemon> demons);

}  // namespace qmoor
