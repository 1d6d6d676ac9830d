// NEUTRAL, CURSE and reverse, and the automatic and typed level limits.
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using Options = ViewFixture;

bool inNeutralRange(Race race) { return race >= 6 && race <= 15; }

TEST_F(Options, NeutralKeepsOnlyNeutralPairsAndNoSpiritFusions) {
  choose({6, 5});  // ディース: has spirit fusions
  ASSERT_EQ(view.results().racePairs.back(), (RacePair{6, SpiritRace}));
  run("click 1060");
  EXPECT_TRUE(checked(ControlId::NeutralCheck));
  ASSERT_FALSE(view.results().racePairs.empty());
  for (const RacePair& pair : view.results().racePairs) {
    EXPECT_TRUE(inNeutralRange(pair.first) && inNeutralRange(pair.second)) << racePairLine(pair.first, pair.second, Language::Japanese);
  }
  for (const MaterialPair& pair : view.results().materialPairs) EXPECT_NE(pair.second.race, SpiritRace);
  EXPECT_FALSE(state().racePairChosen);
}

TEST_F(Options, CurseGivesSakahagiItsRacePairs) {
  choose({20, 1});  // サカハギ
  for (const RacePair& pair : view.results().racePairs) EXPECT_EQ(pair.second, SpiritRace);
  for (const MaterialPair& pair : view.results().materialPairs) EXPECT_EQ(pair.second.race, SpiritRace);
  run("click 1081");
  bool ordinary = false;
  for (const RacePair& pair : view.results().racePairs) ordinary = ordinary || pair.second != SpiritRace;
  EXPECT_TRUE(ordinary);
}

TEST_F(Options, ReverseKeepsTheChosenLineChosen) {
  run("select 1005 0\nselect 1001 0");
  ASSERT_EQ(list(ControlId::RacePairList).item(0), std::string(raceName(1)) + " x " + std::string(raceName(2)));
  run("click 1061");
  const int line = list(ControlId::RacePairList).selection();
  ASSERT_GE(line, 0);
  EXPECT_EQ(list(ControlId::RacePairList).item(line), std::string(raceName(2)) + " x " + std::string(raceName(1)));
  EXPECT_EQ(combo(ControlId::RacePairCombo).selection(), line);
  EXPECT_TRUE(state().racePairChosen);
  EXPECT_EQ(text(ControlId::Material1RaceEdit), std::string(raceName(2)));
  EXPECT_EQ(list(ControlId::MaterialList1).count(), raceCount(2));
}

TEST_F(Options, ReversedRowsPutTheLargerRaceFirst) {
  choose({0, 2});
  const std::vector<MaterialPair> forward = view.results().materialPairs;
  run("click 1058");
  const std::vector<MaterialPair>& reversed = view.results().materialPairs;
  ASSERT_EQ(forward.size(), reversed.size());
  for (const MaterialPair& pair : reversed) {
    if (pair.second.race == SpiritRace) continue;  // a spirit fusion keeps its source first
    EXPECT_GT(pair.first.race, pair.second.race);
  }
}

TEST_F(Options, TogglingWithAMitamaNeverDuplicatesTheSpiritLine) {
  choose({30, 0});
  for (const char* click : {"click 1060", "click 1060", "click 1081", "click 1061", "click 1061"}) {
    run(click);
    EXPECT_LE(list(ControlId::RacePairList).count(), 1) << click;
  }
  EXPECT_EQ(list(ControlId::RacePairList).count(), 1);
  EXPECT_EQ(combo(ControlId::Material1Combo).text(), "20 フレイミーズ");
  EXPECT_EQ(list(ControlId::RecipeList).item(0), "造御魂合体");
}

TEST_F(Options, MaterialRaceRecomputesTheSameDemon) {
  choose({0, 2});
  run("select 1002 -1\nselect 1000 4");  // no line of the demon list selected
  EXPECT_TRUE(state().demonChosen);
  EXPECT_EQ(state().currentSlot, 2);
  EXPECT_EQ(list(ControlId::DemonList).selection(), 2);
  for (const RacePair& pair : view.results().racePairs) EXPECT_TRUE(pair.first == 3 || pair.second == 3) << racePairLine(pair.first, pair.second, Language::Japanese);
}

TEST_F(Options, AutomaticLimitFollowsTheChosenDemon) {
  run("click 1025");
  EXPECT_TRUE(checked(ControlId::AutoLimitCheck));
  EXPECT_EQ(state().LevelCap, 93);
  choose({0, 5});  // ホルス, 38
  EXPECT_EQ(state().LevelCap, 38);
  EXPECT_TRUE(checked(ControlId::AutoLimitCheck));
  run("click 1017");
  EXPECT_EQ(state().LevelCap, 99);
}

TEST_F(Options, ManualLimitFollowsTheEditAndTheArrows) {
  run("click 1018");
  EXPECT_EQ(state().LevelCap, 50);
  EXPECT_FALSE(checked(ControlId::AutoLimitCheck));
  run("spin up");
  EXPECT_EQ(text(ControlId::LimitEdit), "51");
  EXPECT_EQ(state().LevelCap, 51);
  run("type 1019 99\nspin up");
  EXPECT_EQ(text(ControlId::LimitEdit), "0");
  EXPECT_EQ(state().LevelCap, 0);
  run("spin down");
  EXPECT_EQ(text(ControlId::LimitEdit), "99");
  run("click 1025");
  EXPECT_FALSE(checked(ControlId::ManualLimitCheck));
}

TEST_F(Options, ALimitThatIsNoNumberAdmitsNoMaterial) {
  run("click 1018\ntype 1019 abc");
  EXPECT_EQ(state().LevelCap, 0);
  EXPECT_EQ(rows().rowCount(), 0);
  EXPECT_EQ(list(ControlId::RacePairList).count(), 0);
  choose({31, 0});  // the race pairs of a phase demon do not depend on levels
  EXPECT_GT(list(ControlId::RacePairList).count(), 0);
  EXPECT_EQ(rows().rowCount(), 0);
}

TEST_F(Options, LimitChangeRecomputesOnlyTheChosenLine) {
  choose({0, 2});
  run("select 1001 0");
  const int before = rows().rowCount();
  run("click 1018\ntype 1019 30");
  EXPECT_EQ(list(ControlId::RacePairList).selection(), 0);
  EXPECT_LE(rows().rowCount(), before);
  for (const MaterialPair& pair : view.results().materialPairs) EXPECT_LE(level(pair.first), 30);
}

}  // namespace
}  // namespace qmoor::testing
