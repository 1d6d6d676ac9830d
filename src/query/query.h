// qmoor's whole command line: picks the verb, reads the common options
// (--json, --lang, --mine, --help, --version) and runs the verb. Returns the
// exit status: 0 answered, 2 a request it cannot take (message on err, in the
// language of messages). The file of my demons is read through the reader the
// caller hands over.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "names/names.h"
#include "query/verb.h"

namespace qmoor::query {

int runQuery(std::span<const std::string> words, std::ostream& out, std::ostream& err,
             const DemonsFileReader& readDemonsFile);

// The language of help and messages: the one --lang names, else Japanese
// when the locale's (LC_ALL, LC_MESSAGES or LANG, the first set) starts with
// "ja", else English. Answers follow --lang alone (Japanese by default).
Language messageLanguage(std::span<const std::string> words);

}  // namespace qmoor::query
