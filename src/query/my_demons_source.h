// The player's own demons a verb answers from: the file --mine names, else
// the program's own file (none yet: no demons).
#pragma once

#include <vector>

#include "query/verb.h"
#include "stock/my_demon.h"

namespace qmoor::query {

// Every entry of the file, those with problems included. A file that cannot
// be read or is not a file of my demons throws UsageError saying why, in the
// language of the answer.
std::vector<MyDemon> readMyDemons(const QueryContext& context);

}  // namespace qmoor::query
