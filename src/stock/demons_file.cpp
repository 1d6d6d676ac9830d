// Where the file of my demons lives, and what reading it came to.
#include "stock/demons_file.h"

#include <cerrno>

namespace qmoor {

std::string defaultDemonsFilePath(const char* xdgDataHome, const char* home) {
  const std::string_view data = xdgDataHome ? xdgDataHome : "";
  if (data.starts_with('/')) return std::string(data) + "/Quillmoor/demons.json";
  const std::string_view homeFolder = home ? home : "";
  if (homeFolder.empty()) return {};
  return std::string(homeFolder) + "/.local/share/Quillmoor/demons.json";
}

DemonsFileLoad demonsFileLoad(int errorNumber, std::string_view text, bool whole) {
  DemonsFileLoad load;
  if (errorNumber != 0) {
    load.state = errorNumber == ENOENT ? DemonsFileState::NoFile : DemonsFileState::CannotRead;
    load.error = errorNumber;
    return load;
  }
  if (!whole) {
    load.state = DemonsFileState::TooLarge;
    return load;
  }
  load.read = parseDemonsFile(text);
  if (load.read.problem != DemonsFileProblem::None) load.state = DemonsFileState::CannotParse;
  return load;
}

}  // namespace qmoor
