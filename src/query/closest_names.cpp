// Edit distance and the nearest names.
#include "query/closest_names.h"

#include <algorithm>
#include <numeric>

#include "query/text_width.h"

namespace qmoor::query {

int editDistance(std::u32string_view a, std::u32string_view b) {
  std::vector<int> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::u32string foldedCodePoints(std::string_view utf8) {
  std::u32string points = codePoints(utf8);
  for (char32_t& c : points) {
    if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
  }
  return points;
}

std::vector<std::string> closestNames(std::string_view wanted, const std::vector<std::string>& candidates,
                                      std::size_t count) {
  const std::u32string target = foldedCodePoints(wanted);
  std::vector<std::pair<int, std::size_t>> ranked;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    ranked.emplace_back(editDistance(target, foldedCodePoints(candidates[i])), i);
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::string> closest;
  for (const auto& [distance, index] : ranked) {
    if (closest.size() == count) break;
    if (std::find(closest.begin(), closest.end(), candidates[index]) == closest.end()) {
      closest.push_back(candidates[index]);
    }
  }
  return closest;
}

}  // namespace qmoor::query
