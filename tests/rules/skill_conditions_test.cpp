// The skill conditions on a pair of materials.
#include <gtest/gtest.h>

#include "data/races.h"
#include "data/skills.h"
#include "rules/filter_settings.h"

namespace qmoor {
namespace {

// Demons picked so that only `one` holds skill1, only `two` holds skill2,
// and `none` holds neither.
struct Fixture {
  DemonRef one{0, 0}, two{}, none{};
  int skill1 = skillsOf({0, 0}, SkillList::First)[0], skill2 = 0;

  Fixture() {
    for (int p = 0; p < DemonTotal && skill2 == 0; ++p) {
      const int s = skillsOf(raceOrderAt(p), SkillList::First)[0];
      if (s != 0 && !holdsSkill(raceOrderAt(p), skill1) && !holdsSkill(one, s)) {
        two = raceOrderAt(p);
        skill2 = s;
      }
    }
    for (int p = 0; p < DemonTotal; ++p) {
      none = raceOrderAt(p);
      if (!holdsSkill(none, skill1) && !holdsSkill(none, skill2)) break;
    }
  }
};

TEST(SkillConditions, AcceptPairsWhereEitherMaterialCarriesEachTickedSkill) {
  const Fixture f;
  ASSERT_TRUE(holdsSkill(f.one, f.skill1) && holdsSkill(f.two, f.skill2));
  ASSERT_FALSE(holdsSkill(f.none, f.skill1) || holdsSkill(f.none, f.skill2));
  struct Row {
    SkillConditions conditions;
    DemonRef a, b;
    bool accepted;
  };
  const Row rows[] = {
      {{false, false, f.skill1, SkillSentinel}, f.none, f.none, true},  // nothing ticked
      {{true, false, f.skill1, f.skill2}, f.one, f.none, true},
      {{true, false, f.skill1, f.skill2}, f.none, f.one, true},
      {{true, false, f.skill1, f.skill2}, f.none, f.two, false},
      {{false, true, f.skill1, f.skill2}, f.two, f.none, true},  // condition 1 is not ticked
      {{false, true, f.skill1, f.skill2}, f.one, f.none, false},
      {{true, true, f.skill1, f.skill2}, f.one, f.two, true},
      {{true, true, f.skill1, f.skill2}, f.two, f.one, true},
      {{true, true, f.skill1, f.skill2}, f.one, f.none, false},
      {{true, true, f.skill1, f.skill2}, f.two, f.two, false},
  };
  for (const Row& r : rows) {
    const SkillConditions& c = r.conditions;
    EXPECT_EQ(c.accepts(r.a, r.b), r.accepted) << c.on1 << c.on2 << " (" << r.a.race << "," << r.a.slot << ") ("
                                               << r.b.race << "," << r.b.slot << ")";
  }
}

TEST(SkillConditions, TheSentinelIsHeldByNoDemon) {
  const SkillConditions c{true, false, SkillSentinel, SkillSentinel};
  for (int p = 0; p < DemonTotal; ++p) EXPECT_FALSE(c.accepts(raceOrderAt(p), raceOrderAt(p)));
}

}  // namespace
}  // namespace qmoor
