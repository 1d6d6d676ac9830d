// What the view keeps when an action would leave it showing something it no
// longer computes: a reversed list without the chosen spirit line, a list
// emptied of its choice, the tab already shown, a demon-less tab restored.
#include <unistd.h>

#include <filesystem>

#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using ChoicesKept = ViewFixture;

TEST_F(ChoicesKept, ReverseDropsASpiritLineThatTheLimitNoLongerAdmits) {
  run("select 1002 2");
  const int spiritLine = list(ControlId::RacePairList).count() - 1;
  ASSERT_EQ(view.results().racePairs.back().second, SpiritRace);
  run("select 1001 " + std::to_string(spiritLine) + "\nclick 1018\nclick 1058");
  ASSERT_NE(view.results().racePairs.back().second, SpiritRace) << "the limit of 50 excludes the spirit source";
  EXPECT_EQ(list(ControlId::RacePairList).selection(), -1);
  EXPECT_FALSE(state().racePairChosen);
  EXPECT_EQ(list(ControlId::MaterialList1).count(), 0);
  EXPECT_EQ(list(ControlId::MaterialList2).count(), 0);
  EXPECT_EQ(text(ControlId::Material1RaceEdit), "");
  EXPECT_EQ(text(ControlId::Material2RaceEdit), "");
  run("spin up");
  EXPECT_EQ(text(ControlId::Material1RaceEdit), "") << "the next option change must not list another pair";
  EXPECT_EQ(list(ControlId::RacePairList).selection(), -1);
}

TEST_F(ChoicesKept, DeselectingADemonListShowsTheCurrentDemonAgain) {
  const struct {
    const char* line;
    ControlId list;
  } cases[] = {{"select 1002 -1", ControlId::DemonList},
               {"select 1024 -1", ControlId::LevelOrderCombo},
               {"select 1026 -1", ControlId::RaceOrderCombo}};
  for (const auto& c : cases) {
    choose({0, 2});
    const int before = view.form().control(c.list).kind() == ControlKind::ListBox ? list(c.list).selection()
                                                                                  : combo(c.list).selection();
    const size_t rowsUnlimited = view.results().materialPairs.size();
    run(c.line);
    const int after = view.form().control(c.list).kind() == ControlKind::ListBox ? list(c.list).selection()
                                                                                 : combo(c.list).selection();
    EXPECT_EQ(after, before) << c.line;
    EXPECT_EQ(state().currentSlot, 2) << c.line;
    run("click 1017");
    EXPECT_LT(view.results().materialPairs.size(), rowsUnlimited) << c.line << ": the automatic limit applies";
    EXPECT_EQ(state().LevelCap, level({0, 2})) << c.line;
    run("click 1017");
  }
}

TEST_F(ChoicesKept, SelectingTheTabAlreadyShownDoesNothing) {
  const std::string total = text(ControlId::SelectedTotalEdit);
  run("tab 0");
  EXPECT_EQ(text(ControlId::SelectedTotalEdit), total);
  EXPECT_EQ(view.tabTable().records[0], TabState{}) << "the tab was not left, so its record is not written";
}

TEST_F(ChoicesKept, ADemonlessTabWithTheAutomaticLimitComesBackAsItWasLeft) {
  run("select 1005 3\nclick 1017");  // 地母神: its spirit line needs a source above level 50
  const std::vector<RacePair> lines = view.results().racePairs;
  ASSERT_EQ(lines.back().second, SpiritRace);
  const int cap = state().LevelCap;
  EXPECT_EQ(cap, NoLimitCap) << "no demon gives the automatic limit no level";

  run("click 1168\ntab 1\nclick 1018\ntab 0");
  EXPECT_EQ(state().LevelCap, cap);
  EXPECT_EQ(view.results().racePairs, lines);

  const std::string file =
      (std::filesystem::temp_directory_path() / ("qmoor-demonless-" + std::to_string(::getpid()) + ".qmf")).string();
  run("save " + file + "\ntab 1\nload " + file);
  std::filesystem::remove(file);
  EXPECT_TRUE(checked(ControlId::AutoLimitCheck));
  EXPECT_EQ(state().LevelCap, cap);
  EXPECT_EQ(view.results().racePairs, lines);
}

}  // namespace
}  // namespace qmoor::testing
