// The form's texts that tell the user what was wrong with a saved-tabs file,
// from the decoder's status.
#pragma once

#include <string>

#include "names/names.h"
#include "tabs/tab_codec.h"

namespace qmoor {

// Empty for a complete file; read and announced count tabs.
std::string tabFileMessage(TabFileStatus status, int read, int announced, Language language);

}  // namespace qmoor
