// The demons the user owns, which a plan may be asked to start from, as the
// entries a front end keeps: one "R/S" text a demon.
#pragma once

#include <string>
#include <vector>

#include "data/types.h"

namespace qmoor {

// The demons of the entries in their order, each once; an entry that names no
// demon is passed over, so a damaged list costs only its damaged entries.
std::vector<DemonRef> ownedDemonsFrom(const std::vector<std::string>& entries);

}  // namespace qmoor
