// Reads the file of my demons from disk, for qmoor and the desktop program:
// the bytes through files/, what they come to through stock/.
#pragma once

#include <string>

#include "stock/demons_file.h"

namespace qmoor {

DemonsFileLoad readDemonsFileFromDisk(const std::string& path);

}  // namespace qmoor
