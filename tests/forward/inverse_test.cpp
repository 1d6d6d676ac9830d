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
#include <set>
#include <string>
#include <vector>

#include "../data/all_demons.h"
#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"
#include "rules/pair_enumeration.h"

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

// expected[a][b] for race-order positions a and b.
std::vector<std::vector<Expected>> reverseTable(bool curse) {
  std::vector<std::vector<Expected>> table(DemonTotal, std::vector<Expected>(DemonTotal));
  FilterSettings open;
  open.curse = curse;
  for (DemonRef target : allDemons()) {
    const FusionAnswer answer = answerFor(target, open, false);
    std::vector<MaterialPair> spiritRows;
    appendSpiritPairs(target, open, spiritRows);
    const std::size_t ordinaryRows = answer.materialPairs.size() - spiritRows.size();
    for (std::size_t i = 0; i < answer.materialPairs.size(); ++i) {
      const MaterialPair pair = answer.materialPairs[i];
      const int a = position(pair.first);
      const int b = position(pair.second);
      auto kind = [&](Expected& e) -> std::set<int>& {
        if (i >= ordinaryRows) return e.spirit;
        return target.race == PhaseRace ? e.phase : e.normal;
      };
      kind(table[a][b]).insert(position(target));
      kind(table[b][a]).insert(position(target));
    }
  }
  return table;
}

bool operator==(const Expected& x, const Expected& y) {
  return x.normal == y.normal && x.phase == y.phase && x.spirit == y.spirit;
}

TEST(ForwardFusion, IsTheInverseOfTheReverseEnumeration) {
  const std::vector<DemonRef> demons = allDemons();
  for (bool curse : {false, true}) {
    const auto expected = reverseTable(curse);
    std::vector<std::string> mismatches;
    int normal = 0, phase = 0, spirit = 0;
    for (int a = 0; a < DemonTotal; ++a) {
      for (int b = 0; b < DemonTotal; ++b) {
        const Expected& want = expected[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
        normal += static_cast<int>(want.normal.size());
        phase += static_cast<int>(want.phase.size());
        spirit += static_cast<int>(want.spirit.size());
        if (a == b) continue;
        const FusionOutcome outcome = fuse(demons[static_cast<std::size_t>(a)], demons[static_cast<std::size_t>(b)], curse);
        const Expected got = asExpected(outcome);
        if (!(got == want) || !inSlotOrder(outcome.phase)) {
          mismatches.push_back(describe(demons[static_cast<std::size_t>(a)]) + " + " +
                               describe(demons[static_cast<std::size_t>(b)]) + ": forward " + dump(got) +
                               " reverse " + dump(want));
        }
      }
    }
    for (int a = 0; a < DemonTotal; ++a) {
      std::vector<int> want;
      for (int b = 0; b < DemonTotal; ++b) {
        const Expected& e = expected[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
        if (a != b && !(e == Expected{})) want.push_back(b);
      }
      std::vector<int> got;
      for (const Partnership& p : partners(demons[static_cast<std::size_t>(a)], curse)) {
        if (!(asExpected(p.outcome) == expected[static_cast<std::size_t>(a)][static_cast<std::size_t>(position(p.partner))])) {
          mismatches.push_back("partners of " + describe(demons[static_cast<std::size_t>(a)]) + ": outcome with " +
                               describe(p.partner));
        }
        got.push_back(position(p.partner));
      }
      if (got != want) mismatches.push_back("partners of " + describe(demons[static_cast<std::size_t>(a)]) + ": list");
    }
    EXPECT_GT(normal, 0);
    EXPECT_GT(phase, 0);
    EXPECT_GT(spirit, 0);
    EXPECT_EQ(mismatches.size(), 0u) << "curse " << curse << "; first: "
                                     << (mismatches.empty() ? "" : mismatches.front()) << " ; "
                                     << (mismatches.size() > 1 ? mismatches[1] : "");
  }
}

}  // namespace
}  // namespace qmoor
