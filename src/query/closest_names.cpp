// Edit distance and the nearest names.
#include "query/closest_names.h"

#include <algorithm>
#include <numeric>

#include "data/ascii_case.h"
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
  for (char32_t& c : points) c = lowerAscii(c);
  return points;
}

std::vector<std::string> closestNames(std::string_view wanted, const std::vector<NameCandidate>& candidates,
                                      std::size_t count) {
  const std::u32string target = foldedCodePoints(wanted);
  struct Ranked {
    int distance;
    int sharedStart;
    std::size_t index;
  };
  std::vector<Ranked> ranked;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const std::u32string candidate = foldedCodePoints(candidates[i].name);
    const int distance = editDistance(target, candidate);
    // A name that shares nothing with the wanted one is no suggestion.
    if (distance >= static_cast<int>(std::max(target.size(), candidate.size()))) continue;
    const auto shared = std::mismatch(target.begin(), target.end(), candidate.begin(), candidate.end()).first;
    ranked.push_back({distance, static_cast<int>(shared - target.begin()), i});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& x, const Ranked& y) {
    return x.distance != y.distance ? x.distance < y.distance : x.sharedStart > y.sharedStart;
  });
  std::vector<std::string> closest;
  for (const Ranked& r : ranked) {
    if (closest.size() == count || r.distance > ranked.front().distance + 2) break;
    const std::string& offer = candidates[r.index].offered;
    if (std::find(closest.begin(), closest.end(), offer) == closest.end()) closest.push_back(offer);
  }
  return closest;
}

std::vector<std::string> closestNames(std::string_view wanted, const std::vector<std::string>& candidates,
                                      std::size_t count) {
  std::vector<NameCandidate> named;
  for (const std::string& name : candidates) named.push_back({name, name});
  return closestNames(wanted, named, count);
}

}  // namespace qmoor::query
