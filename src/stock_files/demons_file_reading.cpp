// The file of my demons read from disk: see demons_file_reading.h.
#include "stock_files/demons_file_reading.h"

#include <string_view>

#include "files/file_io.h"

namespace qmoor {

DemonsFileLoad readDemonsFileFromDisk(const std::string& path) {
  const FileContents contents = readFileUpTo(path, LargestDemonsFile);
  const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()), contents.bytes.size());
  return demonsFileLoad(contents.error.number, text, contents.whole);
}

}  // namespace qmoor
