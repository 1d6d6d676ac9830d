// How many skills a fused demon inherits and from which pool.
#include <gtest/gtest.h>

#include <vector>

#include "forward/inheritance.h"

namespace qmoor {
namespace {

// The bands of the rule: 1 for 1–4 skills, 2 for 5–8, 3 for 9–12, 4 for 13–15, 5 for 16.
TEST(Inheritance, PassingCountFollowsTheBands) {
  const std::vector<int> expected{0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 5};
  for (int total = 0; total < static_cast<int>(expected.size()); ++total) {
    EXPECT_EQ(passingCount(total), expected[static_cast<std::size_t>(total)]) << total;
  }
}

TEST(Inheritance, CountsAndPoolsForAResult) {
  struct Case {
    const char* what;
    std::vector<int> a, b;
    DemonRef result;
    int count;
    std::vector<int> pool;
  };
  const std::vector<Case> cases{
      {"3 + 4 skills pass 2; the result's own アギダイン is no candidate", {43, 13, 1}, {7, 19, 116, 3}, {0, 2}, 2,
       {43, 13, 1, 7, 19, 116}},
      {"no 口 for フォッグブレス, ▲ never passes, a skill held twice counts once in the pool", {116, 80, 1}, {1, 43},
       {7, 8}, 1, {1}},
      {"six innate skills leave two slots", {1, 2, 3, 7, 8, 9, 13, 14}, {15, 19, 20, 21, 43, 44, 45, 61}, {20, 1}, 2,
       {1, 2, 3, 7, 8, 9, 13, 14, 15, 19, 20, 21, 43, 44, 45, 61}},
      {"\"？\" innate skills leave all eight", {1, 2, 3, 7, 8, 9, 13, 14}, {15, 19, 20, 21, 43, 44, 45, 61}, {2, 2}, 5,
       {1, 2, 3, 7, 8, 9, 13, 14, 15, 19, 20, 21, 43, 44, 45, 61}},
      {"nothing held, nothing passes", {}, {}, {0, 2}, 0, {}},
  };
  for (const Case& c : cases) {
    const Inheritance got = inheritance(c.a, c.b, c.result);
    EXPECT_EQ(got.count, c.count) << c.what;
    EXPECT_EQ(got.pool, c.pool) << c.what;
  }
}

}  // namespace
}  // namespace qmoor
