// The closest candidates to a mistyped name, by edit distance over the code
// points of the names' keys (typed_names.h: case, width and hiragana for
// katakana ignored), for the suggestions of an error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qmoor::query {

int editDistance(std::u32string_view a, std::u32string_view b);
// The code points of the name's key.
std::u32string keyPoints(std::string_view name);

// A name to compare with, and how to offer it (a shared name with its level).
struct NameCandidate {
  std::string name;
  std::string offered;
};

// Up to `count` distinct offers, nearest first; equally near ones by longer
// common start, then in candidate order. Only candidates within two edits of
// the nearest and sharing something with `wanted` are offered.
std::vector<std::string> closestNames(std::string_view wanted, const std::vector<NameCandidate>& candidates,
                                      std::size_t count = 5);
std::vector<std::string> closestNames(std::string_view wanted, const std::vector<std::string>& candidates,
                                      std::size_t count = 5);

}  // namespace qmoor::query
