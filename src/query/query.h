// qmoor's whole command line: picks the verb, reads the common options
// (--json, --lang, --help, --version) and runs the verb. Returns the exit
// status: 0 answered, 2 a request it cannot take (message on err).
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace qmoor::query {

int runQuery(std::span<const std::string> words, std::ostream& out, std::ostream& err);

}  // namespace qmoor::query
