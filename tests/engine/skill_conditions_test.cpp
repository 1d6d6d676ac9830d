// The skill conditions on a pair of materials.
#include <gtest/gtest.h>

#include "data/races.h"
#include "data/skills.h"
#include "engine/filter_settings.h"

namespace qmoor {
namespace {

// Three demons and two skills such that only `one` holds skill1 and only
// `two` holds skill2; `none` holds neither.
struct Fixture {
  DemonRef one{0, 0};
  DemonRef two{};
  DemonRef none{};
  int skill1 = skillsOf({0, 0}, SkillList::First)[0];
  int skill2 = 0;
  bool found = false;

  Fixture() {
    for (int p = 0; p < DemonTotal && !found; ++p) {
      const DemonRef d = raceOrderAt(p);
      const int s = skillsOf(d, SkillList::First)[0];
      if (s != 0 && !holdsSkill(d, skill1) && !holdsSkill(one, s)) {
        two = d;
        skill2 = s;
        found = true;
      }
    }
    found = false;
    for (int p = 0; p < DemonTotal && !found; ++p) {
      none = raceOrderAt(p);
      found = !holdsSkill(none, skill1) && !holdsSkill(none, skill2);
    }
  }
};

TEST(SkillConditions, FixtureHasTheDemonsItNeeds) {
  const Fixture f;
  ASSERT_TRUE(f.found);
  EXPECT_TRUE(holdsSkill(f.one, f.skill1));
  EXPECT_TRUE(holdsSkill(f.two, f.skill2));
}

TEST(SkillConditions, BothOffAcceptsEveryPair) {
  const Fixture f;
  const SkillConditions c{false, false, f.skill1, SkillSentinel};
  EXPECT_TRUE(c.accepts(f.none, f.none));
}

TEST(SkillConditions, EitherMaterialMayCarryTheSkill) {
  const Fixture f;
  const SkillConditions c{true, false, f.skill1, SkillSentinel};
  EXPECT_TRUE(c.accepts(f.one, f.none));
  EXPECT_TRUE(c.accepts(f.none, f.one));
  EXPECT_FALSE(c.accepts(f.none, f.two));
}

TEST(SkillConditions, OnlyTheTickedConditionCounts) {
  const Fixture f;
  const SkillConditions c{false, true, f.skill1, f.skill2};
  EXPECT_TRUE(c.accepts(f.two, f.none));
  EXPECT_FALSE(c.accepts(f.one, f.none));
}

TEST(SkillConditions, BothConditionsFromDifferentMaterials) {
  const Fixture f;
  const SkillConditions c{true, true, f.skill1, f.skill2};
  EXPECT_TRUE(c.accepts(f.one, f.two));
  EXPECT_TRUE(c.accepts(f.two, f.one));
  EXPECT_FALSE(c.accepts(f.one, f.none));
  EXPECT_FALSE(c.accepts(f.two, f.two));
}

TEST(SkillConditions, TheSentinelIsHeldByNoDemon) {
  const SkillConditions c{true, false, SkillSentinel, SkillSentinel};
  for (int p = 0; p < DemonTotal; ++p) EXPECT_FALSE(c.accepts(raceOrderAt(p), raceOrderAt(p)));
}

}  // namespace
}  // namespace qmoor
