// Forward fusion and the partner lists held against the reverse enumeration
// for every ordered pair of demons under both CURSE settings.
//
// The two sides share only the primitive rules (the chart, a demon's level
// window, the spirit shift table). The reverse side starts from each target,
// lists the race pairs whose chart result is its race, walks their demon
// pairs down the level order and collects the spirit sources around the
// target. The forward side starts from the pair, reads the chart once, looks
// the level sum up among the windows of the result race and moves the
// demon by the spirit. Each side steps over special demons and excludes a
// material as its own result in its own way, so a fault in either shows up
// as a pair listed on one side only.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"
#include "rules/pair_enumeration.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::describe;

// What the reverse enumeration says one ordered pair makes.
struct Expected {
  std::set<int> normal;  // race-order positions of the results
  std::set<int> phase;
  std::set<int> spirit;
};

int position(DemonRef demon) { return raceOrderIndexOf(demon); }

std::string dump(const std::set<int>& positions) {
  std::string text;
  for (int p : positions) text += describe(raceOrderAt(p)) + " ";
  return text;
}

std::string dump(const Expected& e) {
  return "normal " + dump(e.normal) + "| phase " + dump(e.phase) + "| spirit " + dump(e.spirit);
}

Expected asExpected(const FusionOutcome& outcome) {
  Expected e;
  if (outcome.normal) e.normal.insert(position(*outcome.normal));
  for (DemonRef d : outcome.phase) e.phase.insert(position(d));
  if (outcome.spirit) e.spirit.insert(position(*outcome.spirit));
  return e;
}

bool inSlotOrder(const std::vector<DemonRef>& phase) {
  return std::is_sorted(phase.begin(), phase.end(), [](DemonRef x, DemonRef y) { return x.slot < y.slot; });
}

bool operator==(const Expected& x, const Expected& y) {
  return x.normal == y.normal && x.phase == y.phase && x.spirit == y.spirit;
}

// What the reverse enumeration lists for every ordered pair, by race-order positions.
class ReverseTable {
 public:
  explicit ReverseTable(bool curse) : table_(DemonTotal * DemonTotal) {
    FilterSettings open;
    open.curse = curse;
    for (DemonRef target : allDemons()) {
      const FusionAnswer answer = answerFor(target, open, false);
      std::vector<MaterialPair> spiritRows;  // listed last in the answer
      appendSpiritPairs(target, open, spiritRows);
      const std::size_t ordinaryRows = answer.materialPairs.size() - spiritRows.size();
      for (std::size_t i = 0; i < answer.materialPairs.size(); ++i) {
        const MaterialPair pair = answer.materialPairs[i];
        for (auto [x, y] : {std::pair{pair.first, pair.second}, std::pair{pair.second, pair.first}}) {
          Expected& e = at(position(x), position(y));
          std::set<int>& kind = i >= ordinaryRows ? e.spirit : target.race == PhaseRace ? e.phase : e.normal;
          kind.insert(position(target));
        }
      }
    }
  }
  const Expected& operator()(int a, int b) const { return table_[static_cast<std::size_t>(a * DemonTotal + b)]; }

 private:
  Expected& at(int a, int b) { return table_[static_cast<std::size_t>(a * DemonTotal + b)]; }
  std::vector<Expected> table_;
};

std::string pairText(int a, int b) { return describe(raceOrderAt(a)) + " + " + describe(raceOrderAt(b)); }

TEST(ForwardFusion, IsTheInverseOfTheReverseEnumeration) {
  for (bool curse : {false, true}) {
    const ReverseTable expected(curse);
    std::vector<std::string> mismatches;
    std::array<int, 3> listed{};  // normal, phase and spirit results of the reverse side
    for (int a = 0; a < DemonTotal; ++a) {
      std::vector<int> partnersWanted;
      for (int b = 0; b < DemonTotal; ++b) {
        const Expected& want = expected(a, b);
        listed[0] += static_cast<int>(want.normal.size());
        listed[1] += static_cast<int>(want.phase.size());
        listed[2] += static_cast<int>(want.spirit.size());
        if (a == b) continue;
        if (!(want == Expected{})) partnersWanted.push_back(b);
        const FusionOutcome outcome = fuse(raceOrderAt(a), raceOrderAt(b), curse);
        if (!(asExpected(outcome) == want) || !inSlotOrder(outcome.phase)) {
          mismatches.push_back(pairText(a, b) + ": forward " + dump(asExpected(outcome)) + " reverse " + dump(want));
        }
      }
      std::vector<int> partnersListed;
      for (const Partnership& p : partners(raceOrderAt(a), curse)) {
        partnersListed.push_back(position(p.partner));
        if (!(asExpected(p.outcome) == expected(a, position(p.partner)))) {
          mismatches.push_back("partners: " + pairText(a, position(p.partner)));
        }
      }
      if (partnersListed != partnersWanted) mismatches.push_back("partners of " + describe(raceOrderAt(a)));
    }
    EXPECT_GT(*std::min_element(listed.begin(), listed.end()), 0) << "curse " << curse;
    EXPECT_EQ(mismatches.size(), 0u) << "curse " << curse << "; first: " << (mismatches.empty() ? "" : mismatches[0]);
  }
}

}  // namespace
}  // namespace qmoor
