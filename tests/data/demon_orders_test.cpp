// The two fixed orderings of all demons and the positions of demons in them.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::describe;

struct Ordering {
  const char* name;
  std::function<DemonRef(int)> at;
  std::function<int(DemonRef)> indexOf;
};

const Ordering Orderings[] = {
    {"level order", levelOrderAt, levelOrderIndexOf},
    {"race order", raceOrderAt, raceOrderIndexOf},
};

TEST(DemonOrders, ListEveryDemonOnceAndInvertTheirPositions) {
  for (const Ordering& ordering : Orderings) {
    SCOPED_TRACE(ordering.name);
    std::set<std::pair<Race, Slot>> seen;
    for (int position = 0; position < DemonTotal; ++position) {
      const DemonRef demon = ordering.at(position);
      EXPECT_TRUE(isOccupied(demon)) << "position " << position << ": " << describe(demon);
      EXPECT_TRUE(seen.insert({demon.race, demon.slot}).second) << "position " << position << ": " << describe(demon);
      EXPECT_EQ(ordering.indexOf(demon), position);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(DemonTotal));
  }
}

TEST(DemonOrders, NoPositionForUnlistedDemons) {
  for (const Ordering& ordering : Orderings) {
    for (DemonRef demon : {DemonRef{7, 9}, DemonRef{26, 1}, DemonRef{31, 9}, DemonRef{-1, 0}, DemonRef{32, 0},
                           DemonRef{0, -1}, DemonRef{8, 10}}) {
      EXPECT_EQ(ordering.indexOf(demon), -1) << ordering.name << ", " << describe(demon);
    }
  }
}

TEST(RaceOrder, WalksRacesAndTheirSlots) {
  const std::vector<DemonRef> walked = allDemons();
  for (int position = 0; position < DemonTotal; ++position) {
    EXPECT_EQ(raceOrderAt(position), walked[position]) << "position " << position;
  }
}

TEST(LevelOrder, DescendsInLevel) {
  for (int position = 1; position < DemonTotal; ++position) {
    EXPECT_GE(level(levelOrderAt(position - 1)), level(levelOrderAt(position))) << "position " << position;
  }
}

// Demons of one level stand in the game's order, which is neither race nor name order.
TEST(LevelOrder, KeepsTheStoredOrderOfEqualLevels) {
  const struct {
    int level;
    std::vector<DemonRef> demons;
  } ties[] = {
      {95, {{2, 0}, {17, 0}, {21, 0}}},  // シヴァ, ベルゼブブ, メタトロン
      {84, {{17, 2}, {21, 3}}},          // ベルゼブブ, ラファエル
      {64, {{28, 0}, {1, 0}, {9, 0}}},   // アルビオン, スカアハ, ソロネ
      {8, {{6, 8}, {8, 9}}},             // アプサラス, リリム
  };
  for (const auto& tie : ties) {
    const int first = levelOrderIndexOf(tie.demons.front());
    for (std::size_t k = 0; k < tie.demons.size(); ++k) {
      EXPECT_EQ(levelOrderAt(first + static_cast<int>(k)), tie.demons[k]) << "level " << tie.level << ", entry " << k;
      EXPECT_EQ(level(tie.demons[k]), tie.level) << describe(tie.demons[k]);
    }
    EXPECT_NE(level(levelOrderAt(first + static_cast<int>(tie.demons.size()))), tie.level) << "level " << tie.level;
  }
  EXPECT_EQ(levelOrderIndexOf({2, 0}), 0);
  EXPECT_EQ(levelOrderIndexOf({20, 7}), DemonTotal - 1);  // ウィルオウィスプ, level 1
}

TEST(LevelOrder, TellsTheTwoBeelzebubsApart) {
  EXPECT_EQ(levelOrderIndexOf({17, 0}), 1);
  EXPECT_EQ(levelOrderIndexOf({17, 2}), 7);
  EXPECT_EQ(raceOrderIndexOf({17, 0}) + 2, raceOrderIndexOf({17, 2}));
}

}  // namespace
}  // namespace qmoor
