// The texts that tell the user what was wrong with a saved-tabs file.
#pragma once

#include <string>

#include "tabs/tab_codec.h"

namespace qmoor {

// Empty for a complete file; read and announced count tabs.
std::string tabFileMessage(TabFileStatus status, int read, int announced);

}  // namespace qmoor
