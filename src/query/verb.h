// A verb of qmoor: its name, help texts, the options it declares and the
// function that answers it. Every verb is one file and one entry of the verb
// table (verb_table.cpp).
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "names/names.h"
#include "stock/demons_file.h"
#include "query/arguments.h"

namespace qmoor::query {

// Reads the file of my demons at a path (the front end's part: the disk).
using DemonsFileReader = std::function<DemonsFileLoad(const std::string& path)>;

// What every verb answers with: the stream, the language of names and
// headings, whether one JSON document is wanted instead of text, and where
// my demons come from.
struct QueryContext {
  std::ostream& out;
  Language language = Language::Japanese;
  bool json = false;
  // The entries of the file --mine names, read before the verb runs so that
  // every verb refuses a file that cannot be read; none without --mine.
  std::optional<std::vector<MyDemon>> namedMine;
  const DemonsFileReader& readDemonsFile;
  // The heading or word for the chosen language.
  std::string_view say(std::string_view japanese, std::string_view english) const {
    return language == Language::Japanese ? japanese : english;
  }
};

struct Verb {
  std::string_view name;
  std::string_view usage;    // the synopsis after "qmoor "
  std::string_view summary;  // one line for qmoor --help
  std::string_view details;  // the verb's own options, one a line, for its --help
  std::span<const OptionSpec> options;  // besides --json, --lang and --help
  int minPositionals = 0;
  int maxPositionals = 0;
  // Throws UsageError for a request it cannot take.
  void (*run)(const Arguments& arguments, const QueryContext& context) = nullptr;
  // The summary and details in Japanese.
  std::string_view japaneseSummary = {};
  std::string_view japaneseDetails = {};

  std::string_view summaryIn(Language language) const {
    return language == Language::Japanese ? japaneseSummary : summary;
  }
  std::string_view detailsIn(Language language) const {
    return language == Language::Japanese ? japaneseDetails : details;
  }
};

std::span<const Verb* const> verbs();

}  // namespace qmoor::query
