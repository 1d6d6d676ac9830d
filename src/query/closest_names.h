// The closest candidates to a mistyped name, by edit distance over code
// points (letter case of ASCII ignored), for the suggestions of an error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qmoor::query {

int editDistance(std::u32string_view a, std::u32string_view b);
// Lower-cases ASCII letters, so that "pixie" matches "Pixie".
std::u32string foldedCodePoints(std::string_view utf8);

// Up to `count` distinct candidates, nearest first, ties in candidate order.
std::vector<std::string> closestNames(std::string_view wanted, const std::vector<std::string>& candidates,
                                      std::size_t count = 5);

}  // namespace qmoor::query
