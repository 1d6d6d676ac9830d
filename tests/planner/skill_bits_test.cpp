// The folding of a skill set into one word, which the route search compares
// before it compares the sets: a set's folding must lie within that of every
// set holding it, across the words the set is stored in.
#include <gtest/gtest.h>

#include <vector>

#include "planner/skill_bits.h"

namespace qmoor {
namespace {

SkillBits bitsOf(const std::vector<int>& skills) {
  SkillBits bits;
  for (int skill : skills) bits.add(skill);
  return bits;
}

TEST(SkillBitsFolding, ASubsetFoldsWithinItsSuperset) {
  struct Case {
    std::vector<int> small;
    std::vector<int> big;
  };
  const std::vector<Case> cases{
      {{}, {}},
      {{3}, {3, 70}},
      {{67, 200}, {3, 67, 131, 200, 250}},
      {{0, 63, 64, 127, 255}, {0, 63, 64, 127, 128, 255}},
  };
  for (const Case& c : cases) {
    const SkillBits small = bitsOf(c.small);
    const SkillBits big = bitsOf(c.big);
    ASSERT_TRUE(small.isSubsetOf(big));
    EXPECT_EQ(small.folded() & ~big.folded(), 0u) << c.small.size() << " skills within " << c.big.size();
  }
}

TEST(SkillBitsFolding, EachSkillFoldsToItsPlaceInAWord) {
  EXPECT_EQ(bitsOf({}).folded(), 0u);
  EXPECT_EQ(bitsOf({5}).folded(), std::uint64_t{1} << 5);
  EXPECT_EQ(bitsOf({5, 69, 133}).folded(), std::uint64_t{1} << 5);
  EXPECT_EQ(bitsOf({1, 66}).folded(), (std::uint64_t{1} << 1) | (std::uint64_t{1} << 2));
}

}  // namespace
}  // namespace qmoor
