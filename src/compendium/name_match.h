// The name filter of the compendium's tables: a name holds the typed text,
// ASCII letters in either case, every other byte as typed.
#pragma once

#include <string_view>

namespace qmoor {

bool nameContains(std::string_view name, std::string_view text);

}  // namespace qmoor
