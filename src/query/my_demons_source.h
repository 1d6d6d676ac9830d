// The player's own demons a verb answers from: the file --mine names, else
// the program's own file (none yet: no demons).
#pragma once

#include <string>
#include <vector>

#include "query/verb.h"
#include "stock/my_demon.h"

namespace qmoor::query {

// Every entry of the file --mine names, those with problems included. No
// name, or a file that cannot be read or is not a file of my demons, throws
// UsageError saying why, in either language.
std::vector<MyDemon> readNamedMyDemons(const std::string& path, const DemonsFileReader& read);
// The entries of the file --mine named, else of the program's own file.
std::vector<MyDemon> readMyDemons(const QueryContext& context);

}  // namespace qmoor::query
