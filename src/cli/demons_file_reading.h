// Reads the file of my demons from disk, for qmoor and the desktop program:
// the bytes through files/, what they come to through stock/.
#pragma once

#include <string>
#include <string_view>

#include "files/file_io.h"
#include "stock/demons_file.h"

namespace qmoor {

inline DemonsFileLoad readDemonsFileFromDisk(const std::string& path) {
  const FileContents contents = readFileUpTo(path, LargestDemonsFile);
  const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()), contents.bytes.size());
  return demonsFileLoad(contents.error.number, text, contents.whole);
}

}  // namespace qmoor
