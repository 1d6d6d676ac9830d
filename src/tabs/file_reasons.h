// The reason a file could not be read or written, in the words of the
// program's interface.
#pragma once

#include <string>

namespace qmoor {

// The Japanese text for the failures a user meets when saving or loading;
// any other error number gives the system's text with the number.
std::string fileErrorReason(int error);

}  // namespace qmoor
