// The texts that tell the user what was wrong with a saved-tabs file.
#pragma once

#include <string>

#include "names/names.h"
#include "tabs/tab_codec.h"

namespace qmoor {

// Empty for a complete file; read and announced count tabs.
std::string tabFileMessage(TabFileStatus status, int read, int announced, Language language = Language::Japanese);

}  // namespace qmoor
