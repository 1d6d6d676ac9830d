// The special recipes that name a material, demons outside the roster and
// サカハギ, which normal fusion makes only with CURSE.
#include <gtest/gtest.h>

#include <vector>

#include "forward/forward_fusion.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

TEST(SpecialsNaming, ListsEveryRecipeThatNamesTheMaterialInRaceOrder) {
  struct Case {
    DemonRef material;
    std::vector<DemonRef> specials;
  };
  const Case cases[] = {
      {{9, 0}, {{16, 1}, {21, 2}, {21, 4}}},  // ソロネ: サマエル, ガブリエル (second), ウリエル
      {{7, 8}, {{7, 6}, {8, 3}}},             // ピクシー: ハイピクシー, クイーンメイプ (second)
      {{16, 0}, {{16, 1}, {16, 3}}},          // マダ, second of both
      {{17, 2}, {{17, 0}}},                   // ベルゼブブ 84 makes ベルゼブブ 95
      {{17, 0}, {{27, 0}}},                   // ベルゼブブ 95: グルル (second)
      {{0, 0}, {}},                           // ヴィシュヌ: named by none
      {{32, 0}, {}},
      {{0, -1}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(specialsNaming(c.material), c.specials) << testing::describe(c.material);
}

TEST(ForwardFusion, DemonsOutsideTheRosterOrTheSameDemonTwiceMakeNothing) {
  const DemonRef pairs[][2] = {
      {{0, 0}, {0, 0}}, {{0, 0}, {32, 0}}, {{-1, 0}, {5, 1}}, {{5, 9}, {6, 1}}, {{6, 1}, {0, 10}}};
  for (const auto& pair : pairs) {
    for (bool curse : {false, true}) {
      EXPECT_FALSE(fuse(pair[0], pair[1], curse).makesSomething())
          << testing::describe(pair[0]) << " + " << testing::describe(pair[1]);
    }
  }
  EXPECT_TRUE(partners({32, 0}, false).empty());
  EXPECT_TRUE(partners({3, -2}, true).empty());
}

// Both directions read this bar from one rule, so the inverse test cannot see it.
TEST(ForwardFusion, SakahagiComesOfNormalFusionOnlyWithCurse) {
  const DemonRef sakahagi{20, 1};
  for (bool curse : {false, true}) {
    int makers = 0;
    for (DemonRef a : testing::allDemons()) {
      for (const Partnership& p : partners(a, curse)) makers += p.outcome.normal == sakahagi;
    }
    EXPECT_EQ(makers > 0, curse) << "curse " << curse;
  }
}

}  // namespace
}  // namespace qmoor
