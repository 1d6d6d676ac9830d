// The tab bar on the view: opening, moving, deleting, closing and clearing
// tabs, and what a tab brings back when it is entered again.
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using TabBar = ViewFixture;

TEST_F(TabBar, SingleTabCannotBeMovedDeletedOrClosed) {
  run("command 32778");
  EXPECT_EQ(tabLabels(), std::vector<std::string>{"ヴィシュヌ"});
  for (ControlId id : {ControlId::MoveLeftButton, ControlId::MoveRightButton, ControlId::DeleteLeftButton,
                       ControlId::DeleteRightButton, ControlId::CloseTabButton})
    EXPECT_FALSE(enabled(id));
}

TEST_F(TabBar, NewTabsOpenRightOfTheCurrentOne) {
  choose({0, 1});                                              // ミトラ
  run("click 1168");                                           // opens ミトラ
  choose({0, 2});                                              // オーディン
  run("click 1168");
  choose({0, 3});                                              // アマテラス, presets タケミカヅチ
  run("click 1165");
  EXPECT_EQ(tabLabels(), (std::vector<std::string>{"アマテラス", "タケミカヅチ", "オーディン", "ミトラ"}));
  EXPECT_EQ(view.form().tabs().selection(), 0);
  EXPECT_TRUE(enabled(ControlId::MoveRightButton));
  EXPECT_TRUE(enabled(ControlId::CloseTabButton));
  EXPECT_FALSE(enabled(ControlId::MoveLeftButton));
}

TEST_F(TabBar, DoubleClickOnARowOpensBothMaterials) {
  choose({0, 2});
  run("dblclick 1116 0");
  const MaterialPair pair = view.results().materialPairs[0];
  EXPECT_EQ(tabLabels()[1], std::string(cell(Column::Name, pair.first)));
  EXPECT_EQ(tabLabels()[2], std::string(cell(Column::Name, pair.second)));
  EXPECT_EQ(state().pickedRow, 0);
}

TEST_F(TabBar, EnteredTabRestoresItsQuery) {
  choose({0, 2});
  run("click 1061\nclick 1018\ntype 1019 70\nselect 1001 1\nrow 1116 0\nselect 1172 10");
  const int line = list(ControlId::RacePairList).selection();
  const std::vector<MaterialPair> rowsBefore = view.results().materialPairs;
  run("click 1168\ntab 1");
  EXPECT_EQ(state().currentSlot, 2);
  EXPECT_FALSE(checked(ControlId::ManualLimitCheck));
  EXPECT_FALSE(checked(ControlId::ReverseCheck));
  EXPECT_EQ(state().LevelCap, 99);
  EXPECT_EQ(text(ControlId::LimitEdit), "70");
  EXPECT_EQ(combo(ControlId::Skill1KindCombo).selection(), 10);
  EXPECT_EQ(list(ControlId::RacePairList).selection(), -1);
  EXPECT_EQ(state().pickedRow, -1);
  run("tab 0");
  EXPECT_TRUE(checked(ControlId::ReverseCheck));
  EXPECT_TRUE(checked(ControlId::ManualLimitCheck));
  EXPECT_EQ(state().LevelCap, 70);
  EXPECT_EQ(list(ControlId::RacePairList).selection(), line);
  EXPECT_EQ(view.results().materialPairs, rowsBefore);
  EXPECT_EQ(state().pickedRow, 0);
  EXPECT_EQ(rows().hotRow(), 0);
  EXPECT_EQ(list(ControlId::MaterialList1).selection(), rowsBefore[0].first.slot);
}

TEST_F(TabBar, APickNotListedNowIsRememberedAcrossTabs) {
  choose({0, 2});  // オーディン lists over a hundred pairs
  ASSERT_GT(rows().rowCount(), 100);
  run("row 1116 100");
  const MaterialPair picked = view.results().materialPairs[100];
  choose({0, 0});  // ヴィシュヌ lists fewer
  run("click 1168\ntab 1\ntab 0");
  EXPECT_EQ(state().pickedRow, 100);
  choose({0, 2});
  run("row 1116 -1");
  EXPECT_EQ(rows().hotRow(), 100);
  EXPECT_EQ(list(ControlId::MaterialList1).selection(), picked.first.slot);
}

TEST_F(TabBar, MovingExchangesPlacesAndLabels) {
  for (DemonRef demon : {DemonRef{1, 0}, DemonRef{2, 1}, DemonRef{4, 0}, DemonRef{5, 0}}) {
    choose(demon);
    run("click 1168");
  }
  // Tabs: キマイラ (current), キマイラ, トール, ホクトセイクン, スカアハ; go to tab 2 (トール).
  run("tab 2");
  const auto before = tabLabels();
  run("click 1021");
  EXPECT_EQ(view.form().tabs().selection(), 1);
  EXPECT_EQ(tabLabels()[1], before[2]);
  EXPECT_EQ(tabLabels()[2], before[1]);
  run("click 1022");
  EXPECT_EQ(tabLabels(), before);
  EXPECT_EQ(view.form().tabs().selection(), 2);
}

TEST_F(TabBar, ClosingShowsTheNeighbour) {
  choose({1, 0});
  run("click 1168");
  choose({2, 1});
  run("click 1168");  // tabs: ホクトセイクン, ホクトセイクン, スカアハ
  run("tab 2\nclick 1167");
  EXPECT_EQ(tabLabels().size(), 2u);
  EXPECT_EQ(view.form().tabs().selection(), 1);
  EXPECT_EQ(state().currentRace, 2);
  run("tab 0\nclick 1167");
  EXPECT_EQ(tabLabels(), std::vector<std::string>{"ホクトセイクン"});
  EXPECT_EQ(view.tabTable().lastTab, 0);
}

TEST_F(TabBar, DeletingNeighboursLeavesTheQueryOnScreen) {
  for (int i = 0; i < 3; ++i) run("click 1168");
  run("tab 1\nclick 1082");
  EXPECT_EQ(view.tabTable().currentTab, 0);
  EXPECT_EQ(view.tabTable().lastTab, 2);
  run("click 1083\nclick 1083");
  EXPECT_EQ(view.tabTable().lastTab, 0);
  EXPECT_FALSE(enabled(ControlId::CloseTabButton));
}

TEST_F(TabBar, ClearingKeepsTheCurrentQueryAsTheOnlyTab) {
  for (int i = 0; i < 4; ++i) run("click 1168");
  run("tab 3");
  choose({7, 8});
  run("click 1059\ncommand 32778");
  EXPECT_EQ(tabLabels(), std::vector<std::string>{"ピクシー"});
  EXPECT_TRUE(checked(ControlId::CurseCheck));
  const TabState& record = view.tabTable().records[0];
  EXPECT_EQ(record.race, 7);
  EXPECT_EQ(record.slot, 8);
  EXPECT_EQ(record.curse, 1);
  EXPECT_EQ(record.limitText, "50");
}

TEST_F(TabBar, TheTwoHundredthTabDisablesOpening) {
  choose({0, 3});
  for (int i = 1; i < MaxTabs - 1; ++i) run("click 1168");
  EXPECT_TRUE(enabled(ControlId::OpenDetailButton));
  run("click 1168");
  EXPECT_EQ(view.form().tabs().count(), MaxTabs);
  EXPECT_FALSE(enabled(ControlId::OpenDetailButton));
  EXPECT_FALSE(enabled(ControlId::OpenMaterial1Button));
  EXPECT_FALSE(enabled(ControlId::OpenMaterial2Button));
  run("click 1167");
  EXPECT_TRUE(enabled(ControlId::OpenDetailButton));
}

TEST_F(TabBar, ATabWithOnlyARaceComesBackAsThatRace) {
  run("click 1168\nselect 1005 9\ntab 1\ntab 0");
  EXPECT_EQ(state().currentRace, 9);
  EXPECT_EQ(state().currentSlot, -1);
  EXPECT_EQ(tabLabels()[0], "");
  EXPECT_EQ(list(ControlId::DemonList).selection(), -1);
}

}  // namespace
}  // namespace qmoor::testing
